// Controls without a window of their own: labels, images and rectangle
// outlines that a window draws over its picture, and finds under the mouse.
#pragma once

#include "caption_font_win32.h"
#include "form_layout.h"
#include "picture_surface_win32.h"

#include <memory>
#include <string>

class WindowlessControl {
  public:
    // Takes the stored control's place.
    explicit WindowlessControl(const StoredControl& stored);
    bool Contains(POINT point) const { return PtInRect(&place_, point) != FALSE; }

  protected:
    RECT place_;
};

// Text with a transparent background, wrapped within its place.
class WindowlessLabel final : public WindowlessControl {
  public:
    // Caption (stored in code page 932), font, colour (ForeColor,
    // 0x00BBGGRR) and alignment (0 left, 1 right, 2 centred) as stored.
    explicit WindowlessLabel(const StoredControl& stored);
    void SetCaption(const std::wstring& caption) { caption_ = caption; }
    const std::wstring& Caption() const { return caption_; }
    void Draw(HDC dc) const;
    // The dotted rectangle of a control that has the keyboard's focus,
    // round the caption's text.
    void DrawFocus(HDC dc) const;

  private:
    // The caption drawn, or only measured, in its font and colour.
    void Write(HDC dc, UINT extraFormat, RECT& place) const;

    std::wstring caption_;
    std::unique_ptr<CaptionFont> font_;
    COLORREF colour_ = RGB(0, 0, 0);
    UINT alignment_ = DT_LEFT;
};

// A picture drawn at its natural size from the place's top-left corner,
// clipped to the place; nothing without a picture.
class WindowlessImage final : public WindowlessControl {
  public:
    using WindowlessControl::WindowlessControl;
    void SetPicture(const PictureSurface* picture) { picture_ = picture; }
    void Draw(HDC dc) const;

  private:
    const PictureSurface* picture_ = nullptr;
};

// A rectangle outline in its BorderColor, lineWidth pixels wide.
class WindowlessShape final : public WindowlessControl {
  public:
    WindowlessShape(const StoredControl& stored, int lineWidth);
    void Draw(HDC dc) const;

  private:
    COLORREF colour_ = RGB(0, 0, 0);
    int lineWidth_;
};

// A stored colour property (0x00BBGGRR), or fallback when absent or not one.
COLORREF StoredColour(const StoredControl& stored, std::string_view key, COLORREF fallback);
