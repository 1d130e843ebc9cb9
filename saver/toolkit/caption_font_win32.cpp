#include "caption_font_win32.h"

#include "screen_dpi_win32.h"
#include "wide_text_win32.h"

#include <algorithm>
#include <cmath>

namespace {

// Japanese proportional faces, the closest to the design's first, for text
// whose own face the system lacks.
constexpr const wchar_t* kJapaneseFaces[] = {L"MS PGothic", L"Meiryo UI", L"Yu Gothic UI",
                                             L"MS UI Gothic", L"IPAPGothic"};

class ScreenDc {
  public:
    ScreenDc() : dc_(GetDC(nullptr)) {}
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    ~ScreenDc() {
        if (dc_) ReleaseDC(nullptr, dc_);
    }
    HDC Dc() const { return dc_; }

  private:
    HDC dc_;
};

int CALLBACK NoteFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool FaceInstalled(HDC dc, const std::wstring& face) {
    if (!dc || face.empty() || face.size() >= LF_FACESIZE) return false;
    LOGFONTW query = {};
    query.lfCharSet = DEFAULT_CHARSET;
    std::copy(face.begin(), face.end(), query.lfFaceName);
    bool found = false;
    EnumFontFamiliesExW(dc, &query, NoteFace, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

// Empty when neither the asked face nor any of the Japanese ones is there.
std::wstring ChooseFace(HDC dc, const std::wstring& asked) {
    if (FaceInstalled(dc, asked)) return asked;
    for (const wchar_t* face : kJapaneseFaces) {
        if (FaceInstalled(dc, face)) return face;
    }
    return {};
}

// Points to the screen's pixels, to the nearest pixel: 9.75 pt at 96 dpi is
// 13. A size that is no number, or beyond any font, gets the default size.
LONG PixelHeight(double points) {
    const double pixels = points * ScreenDpi() / 72.0;
    if (!std::isfinite(pixels) || std::fabs(pixels) > SHRT_MAX) return 0;
    return std::lround(pixels);
}

}  // namespace

CaptionFont::CaptionFont(const StoredFont& font) {
    ScreenDc screen;
    LOGFONTW logFont = {};
    logFont.lfHeight = -PixelHeight(font.size);
    logFont.lfWeight = font.weight;
    logFont.lfItalic = font.italic;
    logFont.lfUnderline = font.underline;
    logFont.lfStrikeOut = font.strikethrough;
    logFont.lfCharSet = static_cast<BYTE>(font.charset);
    const std::wstring face = ChooseFace(screen.Dc(), WideFromCp932(font.name));
    if (face.empty()) {
        logFont.lfCharSet = SHIFTJIS_CHARSET;
    } else {
        std::copy(face.begin(), face.end(), logFont.lfFaceName);
    }
    font_ = CreateFontIndirectW(&logFont);
}

CaptionFont::~CaptionFont() {
    if (font_) DeleteObject(font_);
}
