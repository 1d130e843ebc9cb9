// The Command button's six skins, drawn from their colour table: a one-pixel
// outer ring, a one-pixel dark border with rounded corners and a two-pixel
// inner ring (Pressed has its rings one pixel further in). Only the outer
// four pixels are ever copied onto a button; the inside is plain.
#pragma once

#include "command_skin.h"

#include <cstdint>
#include <vector>

// 0xRRGGBB of the pixel at x, y, counted from the top left.
std::uint32_t CommandSkinPixel(CommandSkin skin, int x, int y);

// The skin as a complete 64 x 25, 24-bit bitmap file.
std::vector<std::uint8_t> CommandSkinBitmap(CommandSkin skin);
