// The platform's part of the viewer: the GL context on the window and the
// buffer swap. WGL on Windows; the tests supply their own.
#pragma once

#include <cstdint>

struct ViewerContext;
struct HWND__;

// Records what it obtains in the context, also on failure, so that
// ReleaseGLContext can give it back.
int CreateGLContext(ViewerContext& context, HWND__* window, std::int32_t width, std::int32_t height);

void ReleaseGLContext(ViewerContext& context);

void SwapFrameBuffers(ViewerContext& context);
