// Reading a stored form layout, and the settings dialog's own.
#include "form_layout.h"

#include "command_font.h"
#include "property_conversion.h"
#include "settings_dialog_layout.h"

#include <gtest/gtest.h>

namespace {

// Stands in for the Win32 layer's conversion to code page 932: the tests
// see the texts as they are.
std::string AsIs(std::string_view text) {
    return std::string(text);
}

std::optional<StoredForm> Read(std::string_view text) {
    return ReadFormLayout(text, AsIs);
}

std::string TextOf(const StoredControl& control, std::string_view key) {
    const PropertyValue* value = control.properties.Find(key);
    if (!value) return "<absent>";
    return PropertyText(*value).value_or("<not text>");
}

TEST(FormLayout, ReadsControlsTheirPlacesContainersAndProperties) {
    const auto form = Read(
        "' a remark\n"
        "Begin Form F\n"
        "    Caption = \"Say \"\"hi\"\"\"\n"
        "    Begin PictureBox P\n"
        "        Left = 1\r\n"
        "        Top = 2\n"
        "        width = 3\n"
        "        HEIGHT = 4\n"
        "        BackColor = &HE0E0E0\n"
        "        Begin Label L(7)\n"
        "        End\n"
        "    End\n"
        "    Begin Tesselune.Command C\n"
        "        Font = \"Face, Bold\", 12, 700, 0, Italic, Underline\n"
        "    End\n"
        "End\n");
    ASSERT_TRUE(form);
    EXPECT_EQ(form->form.classId, "Form");
    EXPECT_EQ(TextOf(form->form, "caption"), "Say \"hi\"");
    ASSERT_EQ(form->controls.size(), 3u);

    const StoredControl* panel = form->Find("P");
    ASSERT_TRUE(panel);
    EXPECT_EQ(panel->container, "F");
    EXPECT_EQ(panel->left, 1);
    EXPECT_EQ(panel->top, 2);
    EXPECT_EQ(panel->width, 3);
    EXPECT_EQ(panel->height, 4);
    EXPECT_EQ(panel->properties.Keys(), std::vector<std::string>{"BackColor"});
    EXPECT_EQ(PropertyNumber(*panel->properties.Find("BackColor")), 0xE0E0E0);

    EXPECT_EQ(form->Find("L"), nullptr);
    const StoredControl* label = form->Find("L", 7);
    ASSERT_TRUE(label);
    EXPECT_EQ(label->container, "P");

    const StoredControl* command = form->Find("c");
    ASSERT_TRUE(command);
    EXPECT_EQ(command->container, "F");
    const auto* font = std::get_if<CommandFont>(command->properties.Find("Font"));
    ASSERT_TRUE(font);
    EXPECT_EQ(font->name, "Face, Bold");
    EXPECT_EQ(font->size, 12);
    EXPECT_EQ(font->weight, 700);
    EXPECT_TRUE(font->italic);
    EXPECT_TRUE(font->underline);
    EXPECT_FALSE(font->strikethrough);
}

TEST(FormLayout, RejectsMalformedLayouts) {
    const char* const malformed[] = {
        "",
        "Begin Form F\n",
        "Begin Form F\nEnd\nEnd\n",
        "Begin Form F\nEnd\nBegin Form G\nEnd\n",
        "Caption = \"x\"\nBegin Form F\nEnd\n",
        "Begin Form\nEnd\n",
        "Begin Form F\n Caption \"x\"\nEnd\n",
        "Begin Form F\n Caption = \"x\nEnd\n",
        "Begin Form F\n Caption = \"a\"b\"\nEnd\n",
        "Begin Form F\n Caption = x\nEnd\n",
        "Begin Form F\n Left = 1.5\nEnd\n",
        "Begin Form F\n Left = \"1\"\nEnd\n",
        "Begin Form F\n Width = 40000\nEnd\n",
        "Begin Form F\n Begin Label L(x)\n End\nEnd\n",
        "Begin Form F\n Begin Label L(-1)\n End\nEnd\n",
        "Begin Form F\n Font = \"a\", 9\nEnd\n",
        "Begin Form F\n Font = \"a\", 9, 400, 0, Bold\nEnd\n",
        "Begin Form F\n = 1\nEnd\n",
    };
    for (const char* text : malformed) EXPECT_FALSE(Read(text)) << text;
}

TEST(FormLayout, TextsGoThroughTheConversion) {
    const auto form = ReadFormLayout("Begin Form F\n Caption = \"ab\"\n Font = \"cd\", 9, 400, 0\nEnd\n",
                                     [](std::string_view text) { return "<" + std::string(text) + ">"; });
    ASSERT_TRUE(form);
    EXPECT_EQ(TextOf(form->form, "Caption"), "<ab>");
    EXPECT_EQ(std::get<CommandFont>(*form->form.properties.Find("Font")).name, "<cd>");
}

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
        const auto* font = std::get_if<CommandFont>(button->properties.Find("Font"));
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

}  // namespace
