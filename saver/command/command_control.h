// The Command push button's rules, without a window: its fields, public
// members, persistence and the state machine that mouse, focus and the
// TmrMouse tick drive. Everything it shows or raises goes to its CommandView.
#pragma once

#include "stored_font.h"
#include "command_skin.h"
#include "command_view.h"
#include "property_store.h"

#include <cstdint>
#include <string>

// Values of ButtonState.
inline constexpr std::uint8_t kStateNone = 0;  // before Initialize
inline constexpr std::uint8_t kStateNormal = 1;
inline constexpr std::uint8_t kStateHighLight = 2;  // pointer over the control
inline constexpr std::uint8_t kStateSelected = 3;   // control has the focus
inline constexpr std::uint8_t kStateHighLightSelect = 4;

inline constexpr std::uint32_t kMouseTimerInterval = 100;

enum class MouseButton { Left, Right, Middle };

struct CommandFields {
    bool InvertGradient = false;
    std::uint8_t FirstRun = 0;
    bool EnabledFlag = false;
    std::uint8_t ButtonState = kStateNone;
    bool MouseHeld = false;
    bool Opaque = true;  // the background style
    std::string Caption = "Command";
    std::int32_t FontColour = 0;
    StoredFont Font = MsPGothicFont();
};

class CommandControl {
  public:
    explicit CommandControl(CommandView& view) : view_(view) {}
    CommandControl(const CommandControl&) = delete;
    CommandControl& operator=(const CommandControl&) = delete;

    void Initialize();
    std::uint8_t Visible();
    void SetVisible(std::uint8_t New_Visible);
    std::int32_t FontColour();
    void SetFontColour(std::int32_t New_FontColour);
    bool Enabled();
    void SetEnabled(bool New_Enabled);
    const std::string& Caption() const { return fields_.Caption; }
    void SetCaption(const std::string& New_Caption);
    const StoredFont& Font() const { return fields_.Font; }
    void SetFont(const StoredFont& New_Font);

    // Loading and saving the instance.
    void ReadProperties(const PropertyStore& store);
    void WriteProperties(PropertyStore& store);

    // Events of the control's window. The caption's mouse events come here
    // unchanged, as the caption draws into the control's window.
    void FocusGained();
    void FocusLost();
    void MouseDown(MouseButton button);
    void MouseMove();
    // pointerOverControl: the release point lies on the control.
    void MouseUp(MouseButton button, bool pointerOverControl);
    void Resized();
    // pointerOverControl: the window under the pointer is the control's own.
    void TmrMouse_Timer(bool pointerOverControl);

    const CommandFields& Fields() const { return fields_; }

  private:
    void RestoreNormal();
    void ShowEnabledLook();
    void DrawSkin(CommandSkin skin);
    void EndHover();
    void SetState(std::uint8_t state, CommandSkin skin);

    CommandView& view_;
    CommandFields fields_;
};
