// The saver's layouts and pictures are made for a screen of 96 dpi. The
// saver tells Windows that it scales itself, so on a screen of another dpi
// it draws each length that many times dpi / 96 itself.
#pragma once

inline constexpr int kDesignDpi = 96;

// A length of the design, in pixels at 96 dpi, as pixels at dpi: to the
// nearest pixel, halves away from zero.
int ScaleToDpi(int designPixels, int dpi);
