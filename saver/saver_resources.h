// Identifiers of the saver's resources, shared by its resource script and
// its code.
#pragma once

#define IDI_TESSELUNE 1
// The preview window's two JPEG stills, 152 x 112 each.
#define IDR_PREVIEW_BACKGROUND 101
#define IDR_PREVIEW_IMAGE 102
