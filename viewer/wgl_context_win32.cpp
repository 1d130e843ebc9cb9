#include "gl_context.h"

#include "viewer_context.h"

#include <windows.h>

int CreateGLContext(ViewerContext& context, HWND window, std::int32_t width, std::int32_t height) {
    context.height = height;
    context.window = window;
    context.width = width;

    PIXELFORMATDESCRIPTOR descriptor = {};
    descriptor.nSize = sizeof(descriptor);
    descriptor.nVersion = 1;
    descriptor.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    descriptor.iPixelType = PFD_TYPE_RGBA;
    descriptor.cColorBits = 24;
    descriptor.cDepthBits = 32;
    descriptor.iLayerType = PFD_MAIN_PLANE;

    context.deviceContext = GetDC(window);
    if (!context.deviceContext) return 1;
    const int format = ChoosePixelFormat(context.deviceContext, &descriptor);
    if (format == 0) return 1;
    if (!SetPixelFormat(context.deviceContext, format, &descriptor)) return 1;
    context.glContext = wglCreateContext(context.deviceContext);
    if (!context.glContext) return 1;
    return wglMakeCurrent(context.deviceContext, context.glContext) ? 0 : 1;
}

void ReleaseGLContext(ViewerContext& context) {
    if (context.window && context.deviceContext) {
        wglMakeCurrent(context.deviceContext, nullptr);
        if (context.glContext) {
            wglDeleteContext(context.glContext);
            context.glContext = nullptr;
        }
        ReleaseDC(context.window, context.deviceContext);
        context.deviceContext = nullptr;
    }
    context.width = 0;
    context.height = 0;
}

void SwapFrameBuffers(ViewerContext& context) { SwapBuffers(context.deviceContext); }
