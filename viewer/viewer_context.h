// The viewer's one program-wide object and the routines that start and stop it.
#pragma once

#include "frame_pacing.h"
#include "scene.h"
#include "snapshot_image.h"

#include <cstdint>
#include <filesystem>
#include <memory>

// NOTE: these are the tags behind the STRICT handle types of <windows.h>
// (HWND is HWND__*), so the context can hold real handles without the
// portable code seeing Windows headers.
struct HWND__;
struct HDC__;
struct HGLRC__;

// What it holds is given back by StopViewer, never by its destructor: at
// the program's exit the window and the GL context are long gone.
struct ViewerContext {
    ViewerContext() = default;
    ViewerContext(const ViewerContext&) = delete;
    ViewerContext& operator=(const ViewerContext&) = delete;

    HWND__* window = nullptr;
    HDC__* deviceContext = nullptr;
    HGLRC__* glContext = nullptr;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t ready = 0;
    float spinAngle = 0;
    std::unique_ptr<float[]> vertexPositions;
    std::unique_ptr<std::uint32_t[]> indices;
    std::unique_ptr<float[]> textureCoordinates;
    LightSetting light;
    MaterialSetting material;
    SnapshotImage picture;
    MeshVertex vertices[kMeshVertexCount];
    MeshTriangle triangles[kMeshTriangleCount];
    FramePacing pacing;
    // 1 once the viewer has had the activation: losing it then ends the
    // run, as the key meant to end it went elsewhere.
    std::int32_t activated = 0;
};

// Reads the snapshot file, then makes the GL context and the scene. A
// rejected snapshot fails before any context is made; what a later failure
// leaves made stays recorded, for StopViewer.
int StartViewer(ViewerContext& context, HWND__* window, std::int32_t width, std::int32_t height,
                const std::filesystem::path& snapshot);

// The one release path: stops the drawing and gives back the texture, the
// picture, the client arrays and the GL context. Safe to call again: each is
// released once.
void StopViewer(ViewerContext& context);

// Draws and shows one frame while the viewer is ready and the display on.
void RenderFrame(ViewerContext& context);
