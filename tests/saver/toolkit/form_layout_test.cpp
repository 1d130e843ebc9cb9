// Reading a stored form layout.
#include "form_layout.h"

#include "stored_font.h"
#include "stored_form_reading.h"

#include <gtest/gtest.h>

namespace {

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
    const auto* font = std::get_if<StoredFont>(command->properties.Find("Font"));
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
    const auto form =
        ReadFormLayout("Begin Form F\n Caption = \"ab\"\n Font = \"cd\", 9, 400, 0\nEnd\n",
                       [](std::string_view text) { return "<" + std::string(text) + ">"; });
    ASSERT_TRUE(form);
    EXPECT_EQ(TextOf(form->form, "Caption"), "<ab>");
    EXPECT_EQ(std::get<StoredFont>(*form->form.properties.Find("Font")).name, "<cd>");
}

}  // namespace
