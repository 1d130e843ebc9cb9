// The caption's GDI font made from a StoredFont, and code page 932 text
// made wide for drawing.
#include "caption_font_win32.h"

#include "wide_text_win32.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

LOGFONTW Described(const CaptionFont& font) {
    LOGFONTW described = {};
    EXPECT_NE(font.Handle(), nullptr);
    GetObjectW(font.Handle(), sizeof(described), &described);
    return described;
}

LONG ScreenPixels(double points) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return std::lround(points * dpi / 72.0);
}

TEST(CaptionFont, TheDesignFontIsThirteenPixelsAtNinetySixDpi) {
    const LOGFONTW font = Described(CaptionFont(MsPGothicFont()));
    EXPECT_EQ(font.lfHeight, -ScreenPixels(9.75));
    if (ScreenPixels(72) == 96) {
        EXPECT_EQ(font.lfHeight, -13);
    }
    EXPECT_EQ(font.lfWeight, 400);
    EXPECT_EQ(font.lfCharSet, SHIFTJIS_CHARSET);
    EXPECT_FALSE(font.lfItalic);
    EXPECT_FALSE(font.lfUnderline);
    EXPECT_FALSE(font.lfStrikeOut);
    // The test session maps the design face to a font Linux has.
    EXPECT_EQ(std::wstring(font.lfFaceName), L"ＭＳ Ｐゴシック");
}

TEST(CaptionFont, SizeWeightAndStylesCarryOver) {
    StoredFont asked = MsPGothicFont();
    asked.size = 12;
    asked.weight = 700;
    asked.italic = true;
    asked.underline = true;
    asked.strikethrough = true;
    const LOGFONTW font = Described(CaptionFont(asked));
    EXPECT_EQ(font.lfHeight, -ScreenPixels(12));
    EXPECT_EQ(font.lfWeight, 700);
    EXPECT_TRUE(font.lfItalic);
    EXPECT_TRUE(font.lfUnderline);
    EXPECT_TRUE(font.lfStrikeOut);
}

TEST(CaptionFont, AMissingFaceGivesWayToAJapaneseOne) {
    StoredFont asked = MsPGothicFont();
    asked.name = "No Such Face At All";
    const LOGFONTW font = Described(CaptionFont(asked));
    const std::wstring face = font.lfFaceName;
    EXPECT_TRUE(face == L"MS PGothic" || face == L"Meiryo UI" || face == L"Yu Gothic UI" ||
                face == L"MS UI Gothic" || face == L"IPAPGothic")
        << std::string(face.begin(), face.end());
}

TEST(CaptionFont, ASizeBeyondAnyFontFallsBackToTheDefaultSize) {
    StoredFont asked = MsPGothicFont();
    asked.size = 1e300;
    EXPECT_EQ(Described(CaptionFont(asked)).lfHeight, 0);
    asked.size = std::nan("");
    EXPECT_EQ(Described(CaptionFont(asked)).lfHeight, 0);
}

TEST(WideFromCp932, TurnsShiftJisIntoTheSameCharacters) {
    EXPECT_EQ(WideFromCp932(kMsPGothicName), L"ＭＳ Ｐゴシック");
    EXPECT_EQ(WideFromCp932("\x90\xDD\x92\xE8"), L"設定");
    EXPECT_EQ(WideFromCp932("\xB7\xAC\xDD\xBE\xD9"), L"ｷｬﾝｾﾙ");
    EXPECT_EQ(WideFromCp932("..."), L"...");
    EXPECT_EQ(WideFromCp932(""), L"");
}

}  // namespace
