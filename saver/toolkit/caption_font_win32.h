// The font of what the saver's windows write: a GDI font made from a
// StoredFont.
#pragma once

#include "stored_font.h"

#include <windows.h>

class CaptionFont {
  public:
    // When the named face is not on the system, a Japanese face that is
    // takes its place, so the text still shows; the size, weight and styles
    // stay as asked.
    explicit CaptionFont(const StoredFont& font);
    CaptionFont(const CaptionFont&) = delete;
    CaptionFont& operator=(const CaptionFont&) = delete;
    ~CaptionFont();

    HFONT Handle() const { return font_; }

  private:
    HFONT font_ = nullptr;
};
