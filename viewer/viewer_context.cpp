#include "viewer_context.h"

#include "gl_context.h"

int StartViewer(ViewerContext& context, HWND__* window, std::int32_t width, std::int32_t height,
                const std::filesystem::path& snapshot) {
    if (LoadSnapshot(context.picture, snapshot) != 0) return 1;
    if (CreateGLContext(context, window, width, height) != 0 || SetUpScene(context) != 0) return 1;
    context.ready = 1;
    return 0;
}

void StopViewer(ViewerContext& context) {
    context.ready = 0;
    DeleteSnapshotTexture(context);
    context.picture = SnapshotImage();
    context.vertexPositions.reset();
    context.indices.reset();
    context.textureCoordinates.reset();
    ReleaseGLContext(context);
}

void RenderFrame(ViewerContext& context) {
    if (context.ready != 1 || !context.pacing.displayOn) return;
    DrawFrame(context);
    SwapFrameBuffers(context);
}
