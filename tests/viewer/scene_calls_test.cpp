#include "gl_context.h"
#include "gl_recorder.h"
#include "snapshot_bitmap.h"
#include "viewer_context.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

const Calls kCameraAndLight = {
    "glViewport(0, 0, 1024, 768)",
    "glMatrixMode(GL_PROJECTION)",
    "glLoadIdentity()",
    "gluPerspective(60, 1.3333333333333333, 0.10000000149011612, 1024)",
    "glMatrixMode(GL_MODELVIEW)",
    "glLoadIdentity()",
    "gluLookAt(0, 0, 4, 0, 0, 0, 0, 1, 0)",
    "glDisable(GL_LIGHTING)",
    "glEnable(GL_LIGHT0)",
    "glLightfv(GL_LIGHT0, GL_POSITION, {0, 50, 400, 1})",
    "glLightfv(GL_LIGHT0, GL_AMBIENT, {1, 1, 1, 1})",
    "glLightfv(GL_LIGHT0, GL_DIFFUSE, {1, 1, 1, 1})",
    "glLightfv(GL_LIGHT0, GL_SPECULAR, {1, 1, 1, 1})",
    "glLightf(GL_LIGHT0, GL_CONSTANT_ATTENUATION, 1)",
    "glLightf(GL_LIGHT0, GL_LINEAR_ATTENUATION, 0)",
    "glLightf(GL_LIGHT0, GL_QUADRATIC_ATTENUATION, 0)",
};

const Calls kMeshAndMaterial = {
    "glVertexPointer(4, GL_FLOAT, 0, vertexPositions)",
    "glEnableClientState(GL_VERTEX_ARRAY)",
    "glTexCoordPointer(2, GL_FLOAT, 0, textureCoordinates)",
    "glEnableClientState(GL_TEXTURE_COORD_ARRAY)",
    "glMaterialfv(GL_FRONT, GL_AMBIENT, {0.2, 0, 0.2, 1})",
    "glMaterialfv(GL_FRONT, GL_DIFFUSE, {0.2, 0.4, 0.9, 1})",
    "glMaterialfv(GL_FRONT, GL_SPECULAR, {1, 1, 1, 1})",
    "glMaterialfv(GL_FRONT, GL_EMISSION, {0, 0, 0, 0})",
    "glMaterialf(GL_FRONT, GL_SHININESS, 10)",
    "glPolygonMode(GL_FRONT, GL_FILL)",
    "glShadeModel(GL_SMOOTH)",
};

Calls TextureCalls(const std::string& size, const std::string& pixels) {
    return {
        "glEnable(GL_TEXTURE_2D)",
        "glGenTextures(1, 1)",
        "glBindTexture(GL_TEXTURE_2D, 1)",
        "glTexImage2D(GL_TEXTURE_2D, 0, 4, " + size + ", 0, GL_RGBA, GL_FLOAT, " + pixels + ")",
        "glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE)",
        "glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR)",
        "glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR)",
        "glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT)",
        "glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT)",
    };
}

const Calls kSceneEnd = {"glEnable(GL_BLEND)", "glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA)",
                         "glDisable(GL_DEPTH_TEST)", "glDisable(GL_CULL_FACE)"};

Calls PanelCalls(const std::string& angle) {
    return {
        "glPushMatrix()",
        "glRotatef(" + angle + ", 1, 1, 0)",
        "glColor4f(1, 1, 1, 0.5)",
        "glDrawElements(GL_TRIANGLES, 24, GL_UNSIGNED_INT, indices)",
        "glPopMatrix()",
    };
}

Calls Joined(std::initializer_list<Calls> parts) {
    Calls all;
    for (const Calls& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

class Scene : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGlRecording();
        context.width = 1024;
        context.height = 768;
    }

    void TearDown() override { std::remove(snapshotPath.c_str()); }

    void NameArrays() {
        NameGlPointer(context.vertexPositions.get(), "vertexPositions");
        NameGlPointer(context.textureCoordinates.get(), "textureCoordinates");
        NameGlPointer(context.indices.get(), "indices");
        NameGlPointer(context.picture.rgbaPixels.get(), "rgbaPixels");
    }

    void WriteSnapshot(const std::vector<std::uint8_t>& file) {
        std::FILE* out = std::fopen(snapshotPath.c_str(), "wb");
        ASSERT_NE(out, nullptr);
        std::fwrite(file.data(), 1, file.size(), out);
        std::fclose(out);
    }

    // The picture is read before the GL context exists, then the scene set up.
    int LoadAndSetUp() {
        if (LoadSnapshot(context.picture, snapshotPath.c_str()) != 0) return 1;
        return SetUpScene(context);
    }

    std::vector<std::uint8_t> Picture512() {
        const std::vector<std::uint8_t> rgb(512 * 512 * 3, 200);
        return EncodeSnapshotBitmap(512, 512, rgb.data());
    }

    const std::string snapshotPath = ::testing::TempDir() + "tesselune_scene_calls.bmp";
    ViewerContext context;
};

}  // namespace

TEST_F(Scene, SetUpWithoutASnapshotMakesAnEmptyTexture) {
    ASSERT_EQ(LoadAndSetUp(), 0);
    NameArrays();
    EXPECT_EQ(TakeGlCalls(), Joined({kCameraAndLight, kMeshAndMaterial,
                                     TextureCalls("0, 0", "NULL"), kSceneEnd}));
    EXPECT_EQ(context.spinAngle, 0.0f);
    EXPECT_EQ(context.picture.textureName, 1u);
}

TEST_F(Scene, SetUpWithASnapshotUploadsItsFloatImage) {
    WriteSnapshot(Picture512());
    ASSERT_EQ(LoadAndSetUp(), 0);
    NameArrays();
    EXPECT_EQ(TakeGlCalls(), Joined({kCameraAndLight, kMeshAndMaterial,
                                     TextureCalls("512, 512", "rgbaPixels"), kSceneEnd}));
}

TEST_F(Scene, TheProjectionFollowsTheClientSize) {
    context.width = 640;
    context.height = 480 * 2;
    ASSERT_EQ(SetUpScene(context), 0);
    const Calls calls = TakeGlCalls();
    EXPECT_EQ(calls[0], "glViewport(0, 0, 640, 960)");
    EXPECT_EQ(calls[3], "gluPerspective(60, 0.6666666666666666, 0.10000000149011612, 1024)");
}

TEST_F(Scene, MeshArraysHoldTheFourPanels) {
    ASSERT_EQ(BuildMesh(context), 0);
    const float positions[16][3] = {
        {-1, -1, 2}, {1, -1, 2},   {1, 1, 2},   {-1, 1, 2},   {1, -1, -2}, {-1, -1, -2},
        {-1, 1, -2}, {1, 1, -2},   {-1, 1, 1},  {1, 1, 1},    {1, 1, -1},  {-1, 1, -1},
        {1, -1, 1},  {-1, -1, 1},  {-1, -1, -1}, {1, -1, -1},
    };
    const float corners[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    for (int v = 0; v < 16; ++v) {
        for (int k = 0; k < 3; ++k) EXPECT_EQ(context.vertexPositions[4 * v + k], positions[v][k]);
        EXPECT_EQ(context.vertexPositions[4 * v + 3], 1.0f) << v;
        EXPECT_EQ(context.textureCoordinates[2 * v], corners[v % 4][0]) << v;
        EXPECT_EQ(context.textureCoordinates[2 * v + 1], corners[v % 4][1]) << v;
    }
    const std::vector<std::uint32_t> indices(context.indices.get(), context.indices.get() + 24);
    EXPECT_EQ(indices, (std::vector<std::uint32_t>{0,  1,  2,  2,  3,  0,  4,  5,  6,  6,  7,  4,
                                                   8,  9,  10, 10, 11, 8,  12, 13, 14, 14, 15, 12}));
}

TEST_F(Scene, FrameNShowsTheTurnOfHalfNDegrees) {
    ASSERT_EQ(BuildMesh(context), 0);
    NameArrays();
    TakeGlCalls();
    for (int frame = 0; frame < 720; ++frame) {
        DrawPanels(context);
        const Calls calls = TakeGlCalls();
        char angle[16];
        std::snprintf(angle, sizeof angle, "%g", 0.5 * frame);
        ASSERT_EQ(calls, PanelCalls(angle)) << frame;
    }
    EXPECT_EQ(context.spinAngle, 360.0f);
    DrawPanels(context);
    EXPECT_EQ(TakeGlCalls()[1], "glRotatef(360, 1, 1, 0)");
    EXPECT_EQ(context.spinAngle, 360.5f);
}

TEST_F(Scene, TheAngleStandsStillOnceHalfADegreeNoLongerCounts) {
    // Half degrees add exactly up to 8,388,608 (frame 16,777,216); there the
    // float's step is 1 and adding 0.5 rounds back to the same value.
    ASSERT_EQ(BuildMesh(context), 0);
    context.spinAngle = 8388600.0f;
    for (int frame = 0; frame < 16; ++frame) DrawPanels(context);
    EXPECT_EQ(context.spinAngle, 8388608.0f);
    TakeGlCalls();

    DrawPanels(context);
    DrawPanels(context);
    EXPECT_EQ(context.spinAngle, 8388608.0f);
    const Calls calls = TakeGlCalls();
    EXPECT_EQ(calls[1], "glRotatef(8388608, 1, 1, 0)");
    EXPECT_EQ(calls[6], "glRotatef(8388608, 1, 1, 0)");
}

class Viewer : public Scene {};

TEST_F(Viewer, RendersAFrameOnlyWhileReady) {
    ASSERT_EQ(BuildMesh(context), 0);
    NameArrays();
    TakeGlCalls();

    RenderFrame(context);
    EXPECT_TRUE(TakeGlCalls().empty());

    context.ready = 1;
    RenderFrame(context);
    EXPECT_EQ(TakeGlCalls(), Joined({{"glClearColor(0, 0, 0, 1)",
                                      "glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT)"},
                                     PanelCalls("0"),
                                     {"SwapBuffers()"}}));
    RenderFrame(context);
    EXPECT_EQ(TakeGlCalls()[3], "glRotatef(0.5, 1, 1, 0)");
}

TEST_F(Viewer, StartMakesTheContextThenTheSceneAndBecomesReady) {
    auto* window = reinterpret_cast<HWND__*>(0x1234);
    ASSERT_EQ(StartViewer(context, window, 1024, 768, snapshotPath), 0);
    const Calls calls = TakeGlCalls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front(), "CreateGLContext(1024, 768)");
    EXPECT_EQ(calls.back(), "glDisable(GL_CULL_FACE)");
    EXPECT_EQ(context.ready, 1);
    EXPECT_EQ(context.window, window);
}

TEST_F(Viewer, AFailedContextIsLeftToTheStopAndNothingIsDrawn) {
    FailNextGLContext();
    EXPECT_EQ(StartViewer(context, reinterpret_cast<HWND__*>(0x1234), 1024, 768, snapshotPath), 1);
    EXPECT_EQ(context.ready, 0);
    RenderFrame(context);
    StopViewer(context);
    EXPECT_EQ(TakeGlCalls(), (Calls{"CreateGLContext(1024, 768)", "ReleaseGLContext()"}));
    EXPECT_EQ(context.deviceContext, nullptr);
}

TEST_F(Viewer, StopGivesBackTheTextureThePictureAndTheArraysAndMayRunAgain) {
    WriteSnapshot(Picture512());
    ASSERT_EQ(LoadSnapshot(context.picture, snapshotPath.c_str()), 0);
    ASSERT_EQ(CreateGLContext(context, reinterpret_cast<HWND__*>(0x1234), 1024, 768), 0);
    ASSERT_EQ(SetUpScene(context), 0);
    context.ready = 1;
    TakeGlCalls();
    for (int stop = 0; stop < 3; ++stop) {
        StopViewer(context);
        EXPECT_EQ(context.ready, 0);
        EXPECT_EQ(context.picture.textureName, kNoTextureName);
        EXPECT_EQ(context.picture.rgbaPixels, nullptr);
        EXPECT_EQ(context.picture.rgbPixels, nullptr);
        EXPECT_EQ(context.vertexPositions, nullptr);
        EXPECT_EQ(context.indices, nullptr);
        EXPECT_EQ(context.textureCoordinates, nullptr);
        EXPECT_EQ(context.glContext, nullptr);
        EXPECT_EQ(context.width, 0);
    }
    RenderFrame(context);
    // The texture goes while its context is still current, and only once.
    EXPECT_EQ(TakeGlCalls(), (Calls{"glDeleteTextures(1, 1)", "ReleaseGLContext()",
                                    "ReleaseGLContext()", "ReleaseGLContext()"}));
}
