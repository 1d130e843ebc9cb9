// The platform's context routines over Mesa's off-screen renderer, so the
// scene can be drawn and read back natively.
#include "gl_context.h"
#include "viewer_context.h"

#include <GL/osmesa.h>

#include <cstdint>
#include <vector>

namespace {

// One off-screen colour buffer; the tests draw one context at a time.
std::vector<std::uint8_t> Buffer;

}  // namespace

int CreateGLContext(ViewerContext& context, HWND__* window, std::int32_t width,
                    std::int32_t height) {
    context.height = height;
    context.window = window;
    context.width = width;

    OSMesaContext mesa = OSMesaCreateContextExt(OSMESA_RGBA, 32, 0, 0, nullptr);
    if (!mesa) return 1;
    context.glContext = reinterpret_cast<HGLRC__*>(mesa);
    Buffer.assign(std::size_t(width) * std::size_t(height) * 4, 0);
    context.deviceContext = reinterpret_cast<HDC__*>(Buffer.data());
    return OSMesaMakeCurrent(mesa, Buffer.data(), GL_UNSIGNED_BYTE, width, height) ? 0 : 1;
}

void ReleaseGLContext(ViewerContext& context) {
    if (context.glContext) {
        OSMesaMakeCurrent(nullptr, nullptr, 0, 0, 0);
        OSMesaDestroyContext(reinterpret_cast<OSMesaContext>(context.glContext));
        context.glContext = nullptr;
    }
    context.deviceContext = nullptr;
    context.width = 0;
    context.height = 0;
}

void SwapFrameBuffers(ViewerContext&) { glFinish(); }
