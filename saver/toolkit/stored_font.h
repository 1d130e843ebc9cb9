// A font as controls keep it in their property store and the stored layouts
// give it, without the platform's font object: the Command button's caption
// font and the labels' fonts.
#pragma once

#include <cstdint>
#include <string>

struct StoredFont {
    std::string name;  // code page 932
    double size = 0;   // points
    std::int16_t weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    std::int16_t charset = 0;

    friend bool operator==(const StoredFont& a, const StoredFont& b) {
        return a.name == b.name && a.size == b.size && a.weight == b.weight &&
               a.italic == b.italic && a.underline == b.underline &&
               a.strikethrough == b.strikethrough && a.charset == b.charset;
    }
};

// NOTE: spelled as code page 932 bytes, the form the platform's ANSI font
// functions take.
inline constexpr char kMsPGothicName[] =
    "\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E";  // ＭＳ Ｐゴシック
inline constexpr std::int16_t kShiftJisCharset = 128;

// The Command button's caption font until one is set or loaded, and the
// host's ambient font.
inline StoredFont MsPGothicFont() {
    StoredFont font;
    font.name = kMsPGothicName;
    font.size = 9.75;
    font.weight = 400;
    font.charset = kShiftJisCharset;
    return font;
}
