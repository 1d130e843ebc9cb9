// Four half-transparent panels carrying the snapshot, turning together about
// a diagonal axis over black.
#pragma once

#include <cstdint>

struct ViewerContext;

struct MeshVertex {
    float position[4] = {0, 0, 0, 1};
    float textureCoordinate[2] = {0, 0};
};

struct MeshTriangle {
    std::uint32_t vertexNumbers[3] = {0, 0, 0};
};

struct LightSetting {
    float position[4] = {0, 50, 400, 1};
    float ambient[4] = {1, 1, 1, 1};
    float diffuse[4] = {1, 1, 1, 1};
    float specular[4] = {1, 1, 1, 1};
};

struct MaterialSetting {
    float ambient[4] = {0.2f, 0.0f, 0.2f, 1.0f};
    float diffuse[4] = {0.2f, 0.4f, 0.9f, 1.0f};
    float specular[4] = {1, 1, 1, 1};
    float emission[4] = {0, 0, 0, 0};
    float shininess = 10.0f;
};

constexpr int kMeshVertexCount = 16;
constexpr int kMeshTriangleCount = 8;
constexpr int kMeshIndexCount = 3 * kMeshTriangleCount;

// One-time GL set-up, with the picture already loaded into the context (or
// left empty); 1 when the mesh cannot be made.
int SetUpScene(ViewerContext& context);

// Fills the mesh records and the three client arrays; 1 when an array
// cannot be had.
int BuildMesh(ViewerContext& context);

// Makes the texture from the picture, empty or not.
void CreateSnapshotTexture(ViewerContext& context);

// Gives the texture back to GL, while its context is still current; nothing
// when none was made.
void DeleteSnapshotTexture(ViewerContext& context);

// Clears to black and draws the panels at the current angle.
void DrawFrame(ViewerContext& context);

// One frame's geometry; advances the angle by half a degree.
void DrawPanels(ViewerContext& context);
