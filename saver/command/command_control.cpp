#include "command_control.h"

void CommandControl::Initialize() {
    fields_.ButtonState = kStateNormal;
    view_.StartMouseTimer(kMouseTimerInterval);
}

std::uint8_t CommandControl::Visible() {
    if (!fields_.Opaque) return 0;
    RestoreNormal();
    return 255;
}

void CommandControl::SetVisible(std::uint8_t New_Visible) {
    fields_.Opaque = New_Visible != 0;
    view_.ShowBackStyle(fields_.Opaque);
    if (fields_.Opaque) RestoreNormal();
    view_.PropertyChanged("Visible");
}

std::int32_t CommandControl::FontColour() {
    const std::int32_t colour = fields_.FontColour;
    RestoreNormal();
    return colour;
}

void CommandControl::SetFontColour(std::int32_t New_FontColour) {
    fields_.FontColour = New_FontColour;
    view_.ShowFontColour(New_FontColour);
    RestoreNormal();
    view_.PropertyChanged("FontColour");
}

bool CommandControl::Enabled() {
    if (fields_.FirstRun == 0) {
        RestoreNormal();
        fields_.FirstRun = 1;
        fields_.EnabledFlag = true;
    }
    ShowEnabledLook();
    return fields_.EnabledFlag;
}

void CommandControl::SetEnabled(bool New_Enabled) {
    fields_.EnabledFlag = New_Enabled;
    view_.PropertyChanged("Enabled");
    ShowEnabledLook();
}

void CommandControl::SetCaption(const std::string& New_Caption) {
    fields_.Caption = New_Caption;
    view_.ShowCaption(New_Caption);
    view_.PropertyChanged("Caption");
}

void CommandControl::SetFont(const StoredFont& New_Font) {
    fields_.Font = New_Font;
    view_.ShowFont(New_Font);
    view_.PropertyChanged("Font");
}

// While the first-run flag is 0 the caption is forced back to black, so a
// colour chosen before the instance is initialised does not stick.
void CommandControl::RestoreNormal() {
    if (!fields_.EnabledFlag) return;
    view_.ShowCaptionEnabled(true);
    if (fields_.FirstRun == 0) {
        fields_.FontColour = 0;
        view_.ShowFontColour(0);
    }
    DrawSkin(CommandSkin::Normal);
}

void CommandControl::ShowEnabledLook() {
    if (fields_.EnabledFlag) {
        DrawSkin(CommandSkin::Normal);
        view_.ShowCaptionEnabled(true);
    } else {
        DrawSkin(CommandSkin::Disable);
        view_.ShowCaptionEnabled(false);
    }
}

// The gradient follows the state the skin is drawn in: inverted while
// hovered, and kept as it was on entering HighLightSelect, so a pressed
// button keeps the gradient it had just before.
void CommandControl::DrawSkin(CommandSkin skin) {
    const std::uint8_t state = fields_.ButtonState;
    if (state == kStateNormal || state == kStateSelected) fields_.InvertGradient = false;
    if (state == kStateHighLight) fields_.InvertGradient = true;
    view_.DrawSkin(skin, fields_.InvertGradient);
}

void CommandControl::SetState(std::uint8_t state, CommandSkin skin) {
    fields_.ButtonState = state;
    DrawSkin(skin);
}

void CommandControl::EndHover() {
    if (!fields_.EnabledFlag) return;
    if (fields_.ButtonState == kStateHighLight) {
        SetState(kStateNormal, CommandSkin::Normal);
    } else if (fields_.ButtonState == kStateHighLightSelect) {
        SetState(kStateSelected, CommandSkin::Selected);
    }
}

// Focus that arrives while hovered comes from a press, so it shows Pressed.
void CommandControl::FocusGained() {
    if (!fields_.EnabledFlag) return;
    if (fields_.ButtonState == kStateHighLight) {
        SetState(kStateHighLightSelect, CommandSkin::Pressed);
    } else {
        SetState(kStateSelected, CommandSkin::Selected);
    }
}

void CommandControl::FocusLost() {
    if (!fields_.EnabledFlag) return;
    if (fields_.ButtonState != kStateNormal) SetState(kStateNormal, CommandSkin::Normal);
}

// State 0 is left alone: hover tracking starts with Initialize.
void CommandControl::MouseMove() {
    if (!fields_.EnabledFlag) return;
    if (fields_.ButtonState == kStateNormal) {
        SetState(kStateHighLight, CommandSkin::HighLight);
    } else if (fields_.ButtonState == kStateSelected && !fields_.MouseHeld) {
        SetState(kStateHighLightSelect, CommandSkin::HighLightSelect);
    }
}

void CommandControl::MouseDown(MouseButton button) {
    if (!fields_.EnabledFlag || button != MouseButton::Left) return;
    fields_.MouseHeld = true;
    DrawSkin(CommandSkin::Pressed);
}

// A release in state 3 is one that the pointer was not over when the last
// tick looked (or that never hovered): it is no click. A release away from
// the control ends the hover at once instead of waiting for the tick, so it
// never clicks, however soon after leaving it comes. Any other release
// clicks, whichever button.
void CommandControl::MouseUp(MouseButton button, bool pointerOverControl) {
    if (!fields_.EnabledFlag) return;
    if (!pointerOverControl) EndHover();
    if (button == MouseButton::Left) {
        fields_.MouseHeld = false;
        if (fields_.ButtonState == kStateHighLight) DrawSkin(CommandSkin::Normal);
        if (fields_.ButtonState == kStateHighLightSelect) DrawSkin(CommandSkin::HighLightSelect);
    }
    // NOTE: last, because the host may close its window from the Click.
    if (pointerOverControl && fields_.ButtonState != kStateSelected) view_.RaiseClick();
}

void CommandControl::Resized() {
    ShowEnabledLook();
}

void CommandControl::TmrMouse_Timer(bool pointerOverControl) {
    if (!pointerOverControl) EndHover();
}
