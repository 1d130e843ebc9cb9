#include "scene.h"

#include "viewer_context.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <new>

namespace {

struct PanelCorner {
    float x, y, z, s, t;
};

// Front and back at z = +-2, top and bottom at y = +-1 reaching only from
// z = -1 to 1: an open box whose lid and floor stand inside its depth. The
// back panel's s runs the other way, so it reads mirrored from the camera.
constexpr PanelCorner kCorners[kMeshVertexCount] = {
    {-1, -1, 2, 0, 0},  {1, -1, 2, 1, 0},  {1, 1, 2, 1, 1},    {-1, 1, 2, 0, 1},
    {1, -1, -2, 0, 0},  {-1, -1, -2, 1, 0}, {-1, 1, -2, 1, 1}, {1, 1, -2, 0, 1},
    {-1, 1, 1, 0, 0},   {1, 1, 1, 1, 0},   {1, 1, -1, 1, 1},   {-1, 1, -1, 0, 1},
    {1, -1, 1, 0, 0},   {-1, -1, 1, 1, 0}, {-1, -1, -1, 1, 1}, {1, -1, -1, 0, 1},
};

constexpr std::uint32_t kTriangleVertices[kMeshTriangleCount][3] = {
    {0, 1, 2}, {2, 3, 0}, {4, 5, 6}, {6, 7, 4}, {8, 9, 10}, {10, 11, 8}, {12, 13, 14}, {14, 15, 12},
};

constexpr GLdouble kFieldOfView = 60.0;
constexpr GLdouble kNearPlane = GLdouble(0.1f);  // the float 0.1 widened, as the scene always had it
constexpr GLdouble kFarPlane = 1024.0;
constexpr float kDegreesPerFrame = 0.5f;

void SetUpCamera(const ViewerContext& context) {
    glViewport(0, 0, context.width, context.height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(kFieldOfView, double(context.width) / double(context.height), kNearPlane,
                   kFarPlane);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(0, 0, 4, 0, 0, 0, 0, 1, 0);
}

// NOTE: lighting stays off for the viewer's whole life; the light and the
// material are set all the same, so the GL state matches what was always set.
void SetUpLight(const LightSetting& light) {
    glDisable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glLightfv(GL_LIGHT0, GL_POSITION, light.position);
    glLightfv(GL_LIGHT0, GL_AMBIENT, light.ambient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, light.diffuse);
    glLightfv(GL_LIGHT0, GL_SPECULAR, light.specular);
    glLightf(GL_LIGHT0, GL_CONSTANT_ATTENUATION, 1.0f);
    glLightf(GL_LIGHT0, GL_LINEAR_ATTENUATION, 0.0f);
    glLightf(GL_LIGHT0, GL_QUADRATIC_ATTENUATION, 0.0f);
}

void SetUpMaterial(const MaterialSetting& material) {
    glMaterialfv(GL_FRONT, GL_AMBIENT, material.ambient);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, material.diffuse);
    glMaterialfv(GL_FRONT, GL_SPECULAR, material.specular);
    glMaterialfv(GL_FRONT, GL_EMISSION, material.emission);
    glMaterialf(GL_FRONT, GL_SHININESS, material.shininess);
}

}  // namespace

int SetUpScene(ViewerContext& context) {
    SetUpCamera(context);
    SetUpLight(context.light);
    if (BuildMesh(context) != 0) return 1;
    SetUpMaterial(context.material);
    glPolygonMode(GL_FRONT, GL_FILL);
    glShadeModel(GL_SMOOTH);
    CreateSnapshotTexture(context);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    context.spinAngle = 0;
    return 0;
}

int BuildMesh(ViewerContext& context) {
    for (int v = 0; v < kMeshVertexCount; ++v) {
        const PanelCorner& corner = kCorners[v];
        MeshVertex& vertex = context.vertices[v];
        vertex.position[0] = corner.x;
        vertex.position[1] = corner.y;
        vertex.position[2] = corner.z;
        vertex.textureCoordinate[0] = corner.s;
        vertex.textureCoordinate[1] = corner.t;
    }
    for (int t = 0; t < kMeshTriangleCount; ++t) {
        for (int k = 0; k < 3; ++k) context.triangles[t].vertexNumbers[k] = kTriangleVertices[t][k];
    }

    context.vertexPositions.reset(new (std::nothrow) float[4 * kMeshVertexCount]);
    context.indices.reset(new (std::nothrow) std::uint32_t[kMeshIndexCount]);
    context.textureCoordinates.reset(new (std::nothrow) float[2 * kMeshVertexCount]);
    if (!context.vertexPositions || !context.indices || !context.textureCoordinates) return 1;

    for (int v = 0; v < kMeshVertexCount; ++v) {
        const MeshVertex& vertex = context.vertices[v];
        for (int k = 0; k < 3; ++k) context.vertexPositions[4 * v + k] = vertex.position[k];
        context.vertexPositions[4 * v + 3] = 1.0f;
        for (int k = 0; k < 2; ++k) {
            context.textureCoordinates[2 * v + k] = vertex.textureCoordinate[k];
        }
    }
    for (int t = 0; t < kMeshTriangleCount; ++t) {
        for (int k = 0; k < 3; ++k) {
            context.indices[3 * t + k] = context.triangles[t].vertexNumbers[k];
        }
    }

    glVertexPointer(4, GL_FLOAT, 0, context.vertexPositions.get());
    glEnableClientState(GL_VERTEX_ARRAY);
    glTexCoordPointer(2, GL_FLOAT, 0, context.textureCoordinates.get());
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    return 0;
}

void DrawFrame(ViewerContext& context) {
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    DrawPanels(context);
}

// Depth test and culling are off: every panel reaches the screen in index
// order at half weight, so the picture seems to fold into itself.
void DrawPanels(ViewerContext& context) {
    glPushMatrix();
    glRotatef(context.spinAngle, 1, 1, 0);
    context.spinAngle = float(double(context.spinAngle) + double(kDegreesPerFrame));
    glColor4f(1, 1, 1, 0.5f);
    glDrawElements(GL_TRIANGLES, kMeshIndexCount, GL_UNSIGNED_INT, context.indices.get());
    glPopMatrix();
}
