// The settings dialog's own stored layout, as the form reader gives it, and
// as the dialog places it at a screen's dpi.
#include "dialog_layout.h"
#include "settings_dialog_layout.h"

#include "stored_form_reading.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

class SettingsDialogLayout : public ::testing::Test {
  protected:
    void SetUp() override {
        auto read = Read(kSettingsDialogLayout);
        ASSERT_TRUE(read);
        form = std::move(*read);
    }

    StoredForm form;
};

TEST_F(SettingsDialogLayout, IsTheDialogWithItsCaptionAndClientSize) {
    EXPECT_EQ(form.form.name, "Tesselune_P");
    EXPECT_EQ(TextOf(form.form, "Caption"), "<Tesselune>");
    EXPECT_EQ(form.form.width, 494);
    EXPECT_EQ(form.form.height, 246);
}

// The three buttons keep only their caption and font: every other property
// of theirs is at its default.
TEST_F(SettingsDialogLayout, CommandButtonsStoreOnlyCaptionAndFont) {
    const std::pair<const char*, const char*> buttons[] = {
        {"Cmd_File", "..."}, {"Cmd_Set", "設定"}, {"Cmd_Can", "ｷｬﾝｾﾙ"}};
    for (const auto& [name, caption] : buttons) {
        const StoredControl* button = form.Find(name);
        ASSERT_TRUE(button) << name;
        EXPECT_EQ(button->classId, "Tesselune.Command");
        EXPECT_EQ(button->properties.Keys(), (std::vector<std::string>{"Caption", "Font"}));
        EXPECT_EQ(TextOf(*button, "Caption"), caption);
        const auto* font = std::get_if<StoredFont>(button->properties.Find("Font"));
        ASSERT_TRUE(font) << name;
        EXPECT_EQ(font->name, "ＭＳ Ｐゴシック");
        EXPECT_EQ(font->size, 9.75);
        EXPECT_EQ(font->weight, 400);
        EXPECT_EQ(font->charset, kShiftJisCharset);
        EXPECT_EQ(button->height, 25);
    }
}

TEST_F(SettingsDialogLayout, ControlsLieOnThePanelOrTheDialogAtTheirPlaces) {
    struct Expected {
        const char* name;
        std::optional<int> index;
        const char* container;
        int left, top, width, height;
    };
    const Expected expected[] = {
        {"Pic_C", {}, "Tesselune_P", 12, 16, 469, 165},
        {"Shape3", {}, "Pic_C", 20, 20, 113, 21},
        {"lbl", 15, "Pic_C", 20, 24, 111, 13},
        {"Img_BGM", 1, "Pic_C", 28, 56, 13, 13},
        {"Img_BGM", 0, "Pic_C", 28, 76, 13, 13},
        {"Img_BGM", 2, "Pic_C", 28, 96, 13, 13},
        {"BGM_Repeat", {}, "Pic_C", 112, 52, 41, 20},
        {"lbl", 14, "Pic_C", 156, 56, 66, 13},
        {"Cmd_File", {}, "Pic_C", 28, 112, 41, 25},
        {"lbl_Fname", {}, "Pic_C", 72, 116, 381, 33},
        {"lbl_URL", {}, "Tesselune_P", 12, 208, 219, 13},
        {"Cmd_Set", {}, "Tesselune_P", 316, 200, 81, 25},
        {"Cmd_Can", {}, "Tesselune_P", 400, 200, 81, 25},
        {"Pic_Mbl", {}, "Tesselune_P", 8, 312, 556, 20},
        {"Img_Ra", 0, "Tesselune_P", 536, 20, 12, 12},
        {"Img_Ra", 1, "Tesselune_P", 536, 40, 12, 12},
    };
    for (const Expected& e : expected) {
        const StoredControl* control = form.Find(e.name, e.index);
        ASSERT_TRUE(control) << e.name;
        EXPECT_EQ(control->container, e.container) << e.name;
        EXPECT_EQ(control->left, e.left) << e.name;
        EXPECT_EQ(control->top, e.top) << e.name;
        EXPECT_EQ(control->width, e.width) << e.name;
        EXPECT_EQ(control->height, e.height) << e.name;
    }
    EXPECT_EQ(TextOf(*form.Find("lbl_BGM", 1), "Caption"), "音楽CD");
    EXPECT_EQ(TextOf(*form.Find("lbl_BGM", 0), "Caption"), "なし");
    EXPECT_EQ(TextOf(*form.Find("lbl_BGM", 2), "Caption"), "MP3、WAV");
    EXPECT_EQ(TextOf(*form.Find("lbl", 14), "Caption"), "曲目をﾘﾋﾟｰﾄ");
    EXPECT_EQ(TextOf(*form.Find("lbl", 15), "Caption"), "BGM");
}

struct Place {
    int left, top, width, height;
    friend bool operator==(const Place& a, const Place& b) {
        return std::tie(a.left, a.top, a.width, a.height) ==
               std::tie(b.left, b.top, b.width, b.height);
    }
    friend std::ostream& operator<<(std::ostream& out, const Place& p) {
        return out << p.left << ", " << p.top << ", " << p.width << " x " << p.height;
    }
};

Place PlaceOf(const StoredControl& control) {
    return {control.left, control.top, control.width, control.height};
}

// Windows at 125, 150, 200 and 250 %: each length times dpi / 96, to the
// nearest pixel, halves away from zero; at 96 dpi the layout's own.
TEST(SettingsDialogLayoutAtDpi, EveryLengthScalesAndRoundsOnItsOwn) {
    const struct {
        int dpi;
        Place form, Cmd_Set, Img_BGM0, lbl_URL;
    } expected[] = {
        {96, {0, 0, 494, 246}, {316, 200, 81, 25}, {28, 76, 13, 13}, {12, 208, 219, 13}},
        {120, {0, 0, 618, 308}, {395, 250, 101, 31}, {35, 95, 16, 16}, {15, 260, 274, 16}},
        {144, {0, 0, 741, 369}, {474, 300, 122, 38}, {42, 114, 20, 20}, {18, 312, 329, 20}},
        {192, {0, 0, 988, 492}, {632, 400, 162, 50}, {56, 152, 26, 26}, {24, 416, 438, 26}},
        {240, {0, 0, 1235, 615}, {790, 500, 203, 63}, {70, 190, 33, 33}, {30, 520, 548, 33}},
    };
    for (const auto& e : expected) {
        const auto layout = SettingsDialogLayoutAt(e.dpi, AsIs);
        ASSERT_TRUE(layout) << e.dpi;
        EXPECT_EQ(PlaceOf(layout->Tesselune_P), e.form) << e.dpi;
        EXPECT_EQ(PlaceOf(layout->Cmd_Set), e.Cmd_Set) << e.dpi;
        EXPECT_EQ(PlaceOf(layout->Img_BGM[0]), e.Img_BGM0) << e.dpi;
        EXPECT_EQ(PlaceOf(layout->lbl_URL), e.lbl_URL) << e.dpi;
        EXPECT_EQ(TextOf(layout->Cmd_Set, "Caption"), "設定");
    }
}

// A dialog without one of its controls is not built at all.
TEST(SettingsDialogLayoutAtDpi, ALayoutLackingAControlGivesNoDialog) {
    for (const char* control :
         {"Begin Label lbl_URL", "Begin Label lbl_BGM(2)", "Begin Tesselune.Command Cmd_Can"}) {
        std::string text = kSettingsDialogLayout;
        text.replace(text.find(control), std::string_view(control).size(), "Begin Label Other");
        EXPECT_FALSE(SettingsDialogLayoutAt(96, AsIs, text)) << control;
    }
}

}  // namespace
