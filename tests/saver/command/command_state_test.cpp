// The button's mouse, focus and timer handling.
#include "command_control.h"
#include "recording_view.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

constexpr bool kOver = true;
constexpr bool kOutside = false;

class CommandState : public ::testing::Test {
  protected:
    // An enabled, initialised button as the settings dialog has it.
    void SetUp() override {
        control.SetEnabled(true);
        control.Initialize();
        view.Take();
    }

    std::uint8_t State() const { return control.Fields().ButtonState; }
    bool Held() const { return control.Fields().MouseHeld; }

    RecordingView view;
    CommandControl control{view};
};

TEST_F(CommandState, InitializeEntersNormalAndStartsTheTimerWithoutDrawing) {
    RecordingView fresh;
    CommandControl button(fresh);
    button.Initialize();
    EXPECT_EQ(button.Fields().ButtonState, kStateNormal);
    EXPECT_EQ(fresh.Take(), Lines({"timer 100"}));
}

TEST_F(CommandState, PointerOverANormalButtonHighlightsItWithTheInvertedGradient) {
    control.MouseMove();
    EXPECT_EQ(State(), kStateHighLight);
    EXPECT_EQ(view.Take(), Lines({"draw HighLight inverted"}));
}

TEST_F(CommandState, FurtherMovesDrawNothing) {
    control.MouseMove();
    view.Take();
    control.MouseMove();
    control.MouseMove();
    EXPECT_EQ(State(), kStateHighLight);
    EXPECT_TRUE(view.Take().empty());
}

TEST_F(CommandState, NormalClickOnAnUnfocusedButtonHighlightsPressesAndClicks) {
    control.MouseMove();
    control.FocusGained();
    control.MouseDown(MouseButton::Left);
    EXPECT_EQ(State(), kStateHighLightSelect);
    EXPECT_TRUE(Held());
    control.MouseUp(MouseButton::Left, kOver);
    EXPECT_FALSE(Held());
    EXPECT_EQ(State(), kStateHighLightSelect);
    EXPECT_EQ(view.Take(),
              Lines({"draw HighLight inverted", "draw Pressed inverted", "draw Pressed inverted",
                     "draw HighLightSelect inverted", "Click"}));
}

TEST_F(CommandState, FocusGainedWhileNotHoveredSelects) {
    control.FocusGained();
    EXPECT_EQ(State(), kStateSelected);
    EXPECT_EQ(view.Take(), Lines({"draw Selected"}));
}

TEST_F(CommandState, PointerOverAFocusedButtonHighlightsItKeepingTheNormalGradient) {
    control.FocusGained();
    control.MouseMove();
    EXPECT_EQ(State(), kStateHighLightSelect);
    EXPECT_EQ(view.Take(), Lines({"draw Selected", "draw HighLightSelect"}));
}

TEST_F(CommandState, FocusLostReturnsToNormalFromAnyOtherState) {
    control.MouseMove();
    control.FocusGained();
    view.Take();
    control.FocusLost();
    EXPECT_EQ(State(), kStateNormal);
    EXPECT_EQ(view.Take(), Lines({"draw Normal"}));
    control.FocusLost();
    EXPECT_TRUE(view.Take().empty());
}

TEST_F(CommandState, TickWithThePointerOverChangesNothing) {
    control.MouseMove();
    view.Take();
    control.TmrMouse_Timer(kOver);
    EXPECT_EQ(State(), kStateHighLight);
    EXPECT_TRUE(view.Take().empty());
}

TEST_F(CommandState, TickWithThePointerGoneEndsTheHover) {
    control.MouseMove();
    view.Take();
    control.TmrMouse_Timer(kOutside);
    EXPECT_EQ(State(), kStateNormal);
    EXPECT_EQ(view.Take(), Lines({"draw Normal"}));

    control.FocusGained();
    control.MouseMove();
    view.Take();
    control.TmrMouse_Timer(kOutside);
    EXPECT_EQ(State(), kStateSelected);
    EXPECT_EQ(view.Take(), Lines({"draw Selected"}));
    control.TmrMouse_Timer(kOutside);
    EXPECT_TRUE(view.Take().empty());
}

TEST_F(CommandState, PressingTheLeftButtonDrawsPressedWithoutChangingTheState) {
    control.MouseDown(MouseButton::Left);
    EXPECT_EQ(State(), kStateNormal);
    EXPECT_TRUE(Held());
    EXPECT_EQ(view.Take(), Lines({"draw Pressed"}));
}

TEST_F(CommandState, OtherButtonsPressDrawNothing) {
    control.MouseMove();
    view.Take();
    control.MouseDown(MouseButton::Right);
    control.MouseDown(MouseButton::Middle);
    EXPECT_FALSE(Held());
    EXPECT_TRUE(view.Take().empty());
}

TEST_F(CommandState, RightOrMiddleReleaseOverAHoveredButtonClicksWithoutDrawing) {
    control.MouseMove();
    view.Take();
    control.MouseUp(MouseButton::Right, kOver);
    control.MouseUp(MouseButton::Middle, kOver);
    EXPECT_EQ(view.Take(), Lines({"Click", "Click"}));
}

TEST_F(CommandState, LeftReleaseWhileHoveredButUnfocusedDrawsNormalAndKeepsTheState) {
    control.MouseMove();
    view.Take();
    control.MouseUp(MouseButton::Left, kOver);
    EXPECT_EQ(State(), kStateHighLight);
    EXPECT_EQ(view.Take(), Lines({"draw Normal inverted", "Click"}));

    control.MouseMove();
    EXPECT_TRUE(view.Take().empty());
    control.TmrMouse_Timer(kOutside);
    control.MouseMove();
    EXPECT_EQ(view.Take(), Lines({"draw Normal", "draw HighLight inverted"}));
}

TEST_F(CommandState, PressAndReleaseWithoutAnEarlierMoveGivesFocusButNoClick) {
    control.FocusGained();
    control.MouseDown(MouseButton::Left);
    control.MouseUp(MouseButton::Left, kOver);
    EXPECT_EQ(State(), kStateSelected);
    EXPECT_EQ(view.Take(), Lines({"draw Selected", "draw Pressed"}));
    control.MouseMove();
    EXPECT_EQ(State(), kStateHighLightSelect);
}

class CommandDrag : public CommandState {
  protected:
    void SetUp() override {
        CommandState::SetUp();
        control.MouseMove();
        control.FocusGained();
        control.MouseDown(MouseButton::Left);
        view.Take();
    }
};

TEST_F(CommandDrag, LeavingWhileHeldShowsSelectedAtTheNextTick) {
    control.TmrMouse_Timer(kOutside);
    EXPECT_EQ(State(), kStateSelected);
    EXPECT_EQ(view.Take(), Lines({"draw Selected"}));
}

TEST_F(CommandDrag, ReleaseOutsideAfterTickRaisesNoClick) {
    control.TmrMouse_Timer(kOutside);
    view.Take();
    control.MouseUp(MouseButton::Left, kOutside);
    EXPECT_FALSE(Held());
    EXPECT_EQ(State(), kStateSelected);
    EXPECT_TRUE(view.Take().empty());
}

// The release itself ends the hover: no click for a quick drag off.
TEST_F(CommandDrag, ReleaseOutsideBeforeTickRaisesNoClick) {
    control.MouseUp(MouseButton::Left, kOutside);
    EXPECT_FALSE(Held());
    EXPECT_EQ(State(), kStateSelected);
    EXPECT_EQ(view.Take(), Lines({"draw Selected"}));
}

TEST_F(CommandDrag, DragOutAndBackInWhileHeldRaisesNoClick) {
    control.TmrMouse_Timer(kOutside);
    control.MouseMove();
    EXPECT_EQ(State(), kStateSelected);
    view.Take();
    control.MouseUp(MouseButton::Left, kOver);
    EXPECT_EQ(State(), kStateSelected);
    EXPECT_TRUE(view.Take().empty());

    control.MouseMove();
    EXPECT_EQ(State(), kStateHighLightSelect);
}

TEST_F(CommandDrag, RightReleaseOutsideRaisesNoClick) {
    control.MouseUp(MouseButton::Right, kOutside);
    EXPECT_TRUE(Held());
    EXPECT_EQ(view.Take(), Lines({"draw Selected"}));
}

TEST_F(CommandState, ReleaseOutsideAHoveredUnfocusedButtonEndsTheHoverWithoutClick) {
    control.MouseMove();
    view.Take();
    control.MouseUp(MouseButton::Right, kOutside);
    EXPECT_EQ(State(), kStateNormal);
    EXPECT_EQ(view.Take(), Lines({"draw Normal"}));
}

TEST(CommandDisabled, IgnoresPointerAndFocusAndNeverClicks) {
    RecordingView view;
    CommandControl control(view);
    control.SetEnabled(false);
    control.Initialize();
    view.Take();
    control.MouseMove();
    control.FocusGained();
    control.MouseDown(MouseButton::Left);
    control.MouseUp(MouseButton::Left, kOver);
    control.MouseUp(MouseButton::Right, kOver);
    control.FocusLost();
    control.TmrMouse_Timer(kOutside);
    EXPECT_EQ(control.Fields().ButtonState, kStateNormal);
    EXPECT_FALSE(control.Fields().MouseHeld);
    EXPECT_TRUE(view.Take().empty());
}

TEST(CommandDisabled, ShowsTheDisableFrameAndGreyCaptionWhenSized) {
    RecordingView view;
    CommandControl control(view);
    control.Resized();
    EXPECT_EQ(view.Take(), Lines({"draw Disable", "caption greyed"}));
}

TEST(CommandDisabled, DisablingWhileHoveredFreezesTheStateUntilEnabled) {
    RecordingView view;
    CommandControl control(view);
    control.SetEnabled(true);
    control.Initialize();
    control.MouseMove();
    view.Take();
    control.SetEnabled(false);
    EXPECT_EQ(view.Take(), Lines({"changed Enabled", "draw Disable inverted", "caption greyed"}));
    control.TmrMouse_Timer(kOutside);
    EXPECT_EQ(control.Fields().ButtonState, kStateHighLight);
    control.SetEnabled(true);
    EXPECT_EQ(view.Take(), Lines({"changed Enabled", "draw Normal inverted", "caption enabled"}));
}

TEST(CommandBeforeInitialize, MovesChangeNothing) {
    RecordingView view;
    CommandControl control(view);
    control.SetEnabled(true);
    view.Take();
    control.MouseMove();
    control.TmrMouse_Timer(kOutside);
    EXPECT_EQ(control.Fields().ButtonState, kStateNone);
    EXPECT_TRUE(view.Take().empty());
}

TEST(CommandBeforeInitialize, FocusSelectsAndLosingItGivesNormalThenMovesHighlight) {
    RecordingView view;
    CommandControl control(view);
    control.SetEnabled(true);
    view.Take();
    control.FocusGained();
    EXPECT_EQ(control.Fields().ButtonState, kStateSelected);
    control.FocusLost();
    EXPECT_EQ(control.Fields().ButtonState, kStateNormal);
    control.MouseMove();
    EXPECT_EQ(control.Fields().ButtonState, kStateHighLight);
    EXPECT_EQ(view.Take(), Lines({"draw Selected", "draw Normal", "draw HighLight inverted"}));
}

TEST(CommandBeforeInitialize, ReleaseClicksUnlessSelected) {
    RecordingView view;
    CommandControl control(view);
    control.SetEnabled(true);
    view.Take();
    control.MouseDown(MouseButton::Left);
    control.MouseUp(MouseButton::Left, kOver);
    EXPECT_EQ(view.Take(), Lines({"draw Pressed", "Click"}));
    control.FocusGained();
    view.Take();
    control.MouseUp(MouseButton::Left, kOver);
    EXPECT_TRUE(view.Take().empty());
}

// InvertGradient keeps its value through state 4, so entering it from
// HighLight keeps the inverted face and from Selected the normal one.
TEST_F(CommandState, HighLightSelectKeepsTheGradientItWasEnteredWith) {
    control.MouseMove();
    control.FocusGained();
    EXPECT_TRUE(control.Fields().InvertGradient);
    control.TmrMouse_Timer(kOutside);
    control.MouseMove();
    EXPECT_EQ(State(), kStateHighLightSelect);
    EXPECT_FALSE(control.Fields().InvertGradient);
}

}  // namespace
