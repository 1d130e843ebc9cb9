// The button's public members and its first-run logic.
#include "command_control.h"
#include "recording_view.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

TEST(CommandCreation, StartsDisabledUninitialisedAndOpaque) {
    RecordingView view;
    CommandControl control(view);
    const CommandFields& fields = control.Fields();
    EXPECT_EQ(fields.ButtonState, kStateNone);
    EXPECT_FALSE(fields.EnabledFlag);
    EXPECT_EQ(fields.FirstRun, 0);
    EXPECT_FALSE(fields.MouseHeld);
    EXPECT_FALSE(fields.InvertGradient);
    EXPECT_TRUE(fields.Opaque);
    EXPECT_EQ(control.Caption(), "Command");
    EXPECT_EQ(control.Font(), MsPGothicFont());
    EXPECT_TRUE(view.Take().empty());
}

TEST(CommandFirstRun, FirstReadOfEnabledEnablesAndInitialisesTheInstance) {
    RecordingView view;
    CommandControl control(view);
    EXPECT_TRUE(control.Enabled());
    EXPECT_EQ(control.Fields().FirstRun, 1);
    EXPECT_EQ(view.Take(), Lines({"draw Normal", "caption enabled"}));
    EXPECT_TRUE(control.Enabled());
}

TEST(CommandFirstRun, ColourSetBeforeTheFirstReadDoesNotStickOnceEnabled) {
    RecordingView view;
    CommandControl control(view);
    control.SetEnabled(true);
    view.Take();
    control.SetFontColour(0x0000FF);
    EXPECT_EQ(control.Fields().FontColour, 0);
    EXPECT_EQ(view.Take(), Lines({"colour 255", "caption enabled", "colour 0", "draw Normal",
                                  "changed FontColour"}));
}

TEST(CommandFirstRun, ColourSticksAfterTheFirstRead) {
    RecordingView view;
    CommandControl control(view);
    control.Enabled();
    control.SetFontColour(0x0000FF);
    EXPECT_EQ(control.FontColour(), 0x0000FF);
}

TEST(CommandFirstRun, ColourSetWhileStillDisabledIsKept) {
    RecordingView view;
    CommandControl control(view);
    control.SetFontColour(0x00FF00);
    EXPECT_EQ(control.Fields().FontColour, 0x00FF00);
    EXPECT_EQ(view.Take(), Lines({"colour 65280", "changed FontColour"}));
}

class CommandMembers : public ::testing::Test {
  protected:
    void SetUp() override {
        control.Enabled();
        control.Initialize();
        view.Take();
    }

    RecordingView view;
    CommandControl control{view};
};

TEST_F(CommandMembers, ReadingVisibleFontColourOrEnabledRedrawsNormalKeepingTheState) {
    control.MouseMove();
    view.Take();
    EXPECT_EQ(control.Visible(), 255);
    EXPECT_EQ(control.FontColour(), 0);
    EXPECT_TRUE(control.Enabled());
    EXPECT_EQ(control.Fields().ButtonState, kStateHighLight);
    EXPECT_EQ(view.Take(),
              Lines({"caption enabled", "draw Normal inverted", "caption enabled",
                     "draw Normal inverted", "draw Normal inverted", "caption enabled"}));
}

TEST_F(CommandMembers, TransparentShowsOnlyTheCaptionUntilMadeVisibleAgain) {
    control.SetVisible(0);
    EXPECT_EQ(view.Take(), Lines({"transparent", "changed Visible"}));
    EXPECT_EQ(control.Visible(), 0);
    EXPECT_TRUE(view.Take().empty());
    control.SetVisible(7);
    EXPECT_EQ(view.Take(), Lines({"opaque", "caption enabled", "draw Normal", "changed Visible"}));
    EXPECT_EQ(control.Visible(), 255);
}

TEST_F(CommandMembers, MadeVisibleWhileDisabledDrawsNothing) {
    control.SetEnabled(false);
    control.SetVisible(0);
    view.Take();
    control.SetVisible(1);
    EXPECT_EQ(view.Take(), Lines({"opaque", "changed Visible"}));
}

TEST_F(CommandMembers, EnablingDrawsNormalWhateverTheState) {
    control.FocusGained();
    control.SetEnabled(false);
    EXPECT_EQ(control.Fields().ButtonState, kStateSelected);
    view.Take();
    control.SetEnabled(true);
    EXPECT_EQ(view.Take(), Lines({"changed Enabled", "draw Normal", "caption enabled"}));
}

TEST_F(CommandMembers, CaptionAndFontChangeWithoutRedrawing) {
    control.SetCaption("\x90\xDD\x92\xE8");
    StoredFont bold = MsPGothicFont();
    bold.weight = 700;
    control.SetFont(bold);
    EXPECT_EQ(control.Caption(), "\x90\xDD\x92\xE8");
    EXPECT_EQ(control.Font(), bold);
    EXPECT_EQ(view.Take(), Lines({"caption \x90\xDD\x92\xE8", "changed Caption",
                                  std::string("font ") + kMsPGothicName, "changed Font"}));
}

TEST_F(CommandMembers, ResizingShowsTheEnabledLook) {
    control.Resized();
    EXPECT_EQ(view.Take(), Lines({"draw Normal", "caption enabled"}));
}

}  // namespace
