// What a Command button asks of the platform that shows it. The control's
// rules live in CommandControl; the Win32 layer implements this and feeds
// the control its window's messages.
#pragma once

#include "stored_font.h"
#include "command_skin.h"

#include <cstdint>
#include <string>
#include <string_view>

class CommandView {
  public:
    virtual ~CommandView() = default;

    // Paints the whole face into the back buffer and shows it: clear, the
    // gradient (inverted or not), the frame of the skin; then places the
    // caption.
    virtual void DrawSkin(CommandSkin skin, bool InvertGradient) = 0;
    // Opaque shows the face; transparent shows only the caption.
    virtual void ShowBackStyle(bool opaque) = 0;

    // The caption: greyed or normal, text, colour 0x00BBGGRR, font.
    virtual void ShowCaptionEnabled(bool enabled) = 0;
    virtual void ShowCaption(const std::string& text) = 0;
    virtual void ShowFontColour(std::int32_t colour) = 0;
    virtual void ShowFont(const StoredFont& font) = 0;

    // Starts TmrMouse, which then ticks until the control goes.
    virtual void StartMouseTimer(std::uint32_t intervalMilliseconds) = 0;

    // The host's side: the Click event, the notice that a property changed
    // so that the instance is saved again, and the host's current font.
    virtual void RaiseClick() = 0;
    virtual void PropertyChanged(std::string_view name) = 0;
    virtual StoredFont AmbientFont() const = 0;
};
