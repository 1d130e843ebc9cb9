// Fonts and text for what the saver's windows draw: a GDI font made from a
// StoredFont, and code page 932 text turned into the wide text the drawing
// functions take, so Japanese shows whatever the system's ANSI code page.
#pragma once

#include "stored_font.h"

#include <windows.h>

#include <string>
#include <string_view>

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

// Text between wide characters and the bytes of a code page: 932 for the
// saver's own texts, CP_ACP for paths as the ANSI functions take them.
// Characters the code page lacks turn into "?".
std::wstring WideFromBytes(UINT codePage, std::string_view text);
std::string BytesFromWide(UINT codePage, std::wstring_view text);

inline std::wstring WideFromCp932(std::string_view text) {
    return WideFromBytes(932, text);
}
