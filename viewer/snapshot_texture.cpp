#include "scene.h"

#include "viewer_context.h"

#include <GL/gl.h>

// NOTE: with no picture loaded the size is 0 x 0 and the array null; GL then
// holds an empty image and the panels are drawn untextured.
void CreateSnapshotTexture(ViewerContext& context) {
    SnapshotImage& picture = context.picture;
    glEnable(GL_TEXTURE_2D);
    glGenTextures(1, &picture.textureName);
    glBindTexture(GL_TEXTURE_2D, picture.textureName);
    glTexImage2D(GL_TEXTURE_2D, 0, 4, picture.width, picture.height, 0, GL_RGBA, GL_FLOAT,
                 picture.rgbaPixels.get());
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
}

void DeleteSnapshotTexture(ViewerContext& context) {
    SnapshotImage& picture = context.picture;
    if (picture.textureName == kNoTextureName) return;
    glDeleteTextures(1, &picture.textureName);
    picture.textureName = kNoTextureName;
}
