// The Command push button as a Win32 child window: it feeds its window's
// messages to a CommandControl and draws what the control asks for into a
// persistent back buffer.
#pragma once

#include "caption_font_win32.h"
#include "command_control.h"
#include "form_window_win32.h"
#include "frame_layout.h"
#include "picture_surface_win32.h"
#include "property_store.h"
#include "window_timer_win32.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

class CommandWindow final : public FormWindow, private CommandView {
  public:
    CommandWindow();
    ~CommandWindow() override;

    // Creates the control, shown, as a child of parent at the given pixel
    // place, and loads the instance from its stored properties. False when
    // the window cannot be made.
    bool Create(HINSTANCE instance, HWND parent, int x, int y, int width, int height,
                const PropertyStore& stored);

    CommandControl& Control() { return control_; }

    // The host's handler of the Click event, and its notice that the
    // control took the keyboard's focus.
    std::function<void()> Click;
    std::function<void()> GotFocus;

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint(HDC dc) override;
    void OnTimer(UINT_PTR id) override;

  private:
    // CommandView
    void DrawSkin(CommandSkin skin, bool InvertGradient) override;
    void ShowBackStyle(bool opaque) override;
    void ShowCaptionEnabled(bool enabled) override;
    void ShowCaption(const std::string& text) override;
    void ShowFontColour(std::int32_t colour) override;
    void ShowFont(const StoredFont& font) override;
    void StartMouseTimer(std::uint32_t intervalMilliseconds) override;
    void RaiseClick() override;
    void PropertyChanged(std::string_view name) override;
    StoredFont AmbientFont() const override;

    // The caption label: where DrawSkin last placed it and how it shows.
    struct CaptionLabel {
        RECT place = {};
        std::wstring text;
        std::int32_t colour = 0;
        bool enabled = true;
        std::unique_ptr<CaptionFont> font;
    };

    void CopyFrame(HDC dc, CommandSkin skin, const FrameLayout& layout) const;
    void PlaceCaption(int width, int height);
    void PrintParent(HDC dc) const;
    void DrawCaption(HDC dc) const;
    void Invalidate();
    bool PointInside(LPARAM point) const;
    void ButtonReleased(MouseButton button, WPARAM heldButtons, LPARAM point);

    HINSTANCE instance_ = nullptr;
    // The screen's dpi, at which the control's twips become pixels.
    int dpi_;
    // The persistent back buffer: the face, gradient and frame.
    PictureSurface face_;
    // What goes on the screen: the face, or the parent behind a transparent
    // control, with the caption over it.
    PictureSurface canvas_;
    bool opaque_ = true;
    CaptionLabel LblMsg_;
    std::optional<WindowTimer> TmrMouse_;
    CommandControl control_;
};
