#include "windowless_controls_win32.h"

#include "property_conversion.h"
#include "wide_text_win32.h"

#include <algorithm>

WindowlessControl::WindowlessControl(const StoredControl& stored)
    : place_{stored.left, stored.top, stored.left + stored.width, stored.top + stored.height} {}

COLORREF StoredColour(const StoredControl& stored, std::string_view key, COLORREF fallback) {
    const PropertyValue* value = stored.properties.Find(key);
    if (!value) return fallback;
    const auto colour = PropertyInteger(*value, 0, 0xFFFFFF);
    return colour ? COLORREF(*colour) : fallback;
}

WindowlessLabel::WindowlessLabel(const StoredControl& stored)
    : WindowlessControl(stored), colour_(StoredColour(stored, "ForeColor", RGB(0, 0, 0))) {
    if (const PropertyValue* caption = stored.properties.Find("Caption")) {
        caption_ = WideFromCp932(PropertyText(*caption).value_or(std::string()));
    }
    if (const PropertyValue* font = stored.properties.Find("Font")) {
        if (const auto* stored_font = std::get_if<StoredFont>(font)) {
            font_ = std::make_unique<CaptionFont>(*stored_font);
        }
    }
    if (const PropertyValue* alignment = stored.properties.Find("Alignment")) {
        const auto value = PropertyInteger(*alignment, 0, 2);
        if (value == 1) alignment_ = DT_RIGHT;
        if (value == 2) alignment_ = DT_CENTER;
    }
}

void WindowlessLabel::Draw(HDC dc) const {
    RECT place = place_;
    Write(dc, 0, place);
}

void WindowlessLabel::DrawFocus(HDC dc) const {
    RECT text = place_;
    Write(dc, DT_CALCRECT, text);
    // DT_CALCRECT measures from the left; a centred or right-aligned caption
    // lies further in.
    const LONG room = (place_.right - place_.left) - (text.right - text.left);
    if (alignment_ == DT_CENTER && room > 0) OffsetRect(&text, room / 2, 0);
    if (alignment_ == DT_RIGHT && room > 0) OffsetRect(&text, room, 0);
    InflateRect(&text, 1, 1);
    DrawFocusRect(dc, &text);
}

void WindowlessLabel::Write(HDC dc, UINT extraFormat, RECT& place) const {
    HGDIOBJ former = font_ ? SelectObject(dc, font_->Handle()) : nullptr;
    const int formerMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF formerColour = SetTextColor(dc, colour_);
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc, &metrics);
    // A label of one line lets its text run past its right edge rather than
    // lose the end: fonts standing in for the design's are often wider. A
    // taller one wraps, breaking a path, which has no blanks, where the line
    // ends.
    const UINT layout = place.bottom - place.top < 2 * metrics.tmHeight
                            ? DT_SINGLELINE | DT_NOCLIP
                            : DT_WORDBREAK | DT_EDITCONTROL;
    DrawTextW(dc, caption_.c_str(), int(caption_.size()), &place,
              alignment_ | layout | DT_NOPREFIX | extraFormat);
    SetTextColor(dc, formerColour);
    SetBkMode(dc, formerMode);
    if (former) SelectObject(dc, former);
}

void WindowlessImage::Draw(HDC dc) const {
    if (!picture_ || !picture_->Dc()) return;
    const int width = std::min<int>(picture_->Width(), place_.right - place_.left);
    const int height = std::min<int>(picture_->Height(), place_.bottom - place_.top);
    BitBlt(dc, place_.left, place_.top, width, height, picture_->Dc(), 0, 0, SRCCOPY);
}

WindowlessShape::WindowlessShape(const StoredControl& stored, int lineWidth)
    : WindowlessControl(stored),
      colour_(StoredColour(stored, "BorderColor", RGB(0, 0, 0))),
      lineWidth_(lineWidth) {}

void WindowlessShape::Draw(HDC dc) const {
    HBRUSH brush = CreateSolidBrush(colour_);
    if (!brush) return;
    RECT ring = place_;
    for (int line = 0; line < lineWidth_ && !IsRectEmpty(&ring); ++line) {
        FrameRect(dc, &ring, brush);
        InflateRect(&ring, -1, -1);
    }
    DeleteObject(brush);
}
