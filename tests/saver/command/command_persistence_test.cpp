// Saving and loading a button through its host's property store.
#include "command_control.h"
#include "memory_property_store.h"
#include "recording_view.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

// A store that notes the keys read from it.
class ReadOrderStore : public MemoryPropertyStore {
  public:
    const PropertyValue* Find(std::string_view key) const override {
        read.emplace_back(key);
        return MemoryPropertyStore::Find(key);
    }
    mutable std::vector<std::string> read;
};

StoredFont Tahoma() {
    StoredFont font;
    font.name = "Tahoma";
    font.size = 8.25;
    return font;
}

class CommandPersistence : public ::testing::Test {
  protected:
    void SetUp() override { view.ambientFont = Tahoma(); }

    RecordingView view;
};

TEST_F(CommandPersistence, SavesEveryKeyThatDiffersFromItsDefaultInOrder) {
    CommandControl control(view);
    control.SetEnabled(false);
    control.SetCaption("Go");
    control.SetFontColour(0x112233);
    control.SetVisible(0);
    MemoryPropertyStore store;
    control.WriteProperties(store);
    EXPECT_EQ(store.Keys(), std::vector<std::string>({"Enabled", "Caption", "FirstRun", "Font",
                                                      "FontColour", "Visible"}));
    EXPECT_EQ(std::get<double>(*store.Find("Enabled")), 0);
    EXPECT_EQ(std::get<double>(*store.Find("FirstRun")), 0);
    EXPECT_EQ(std::get<double>(*store.Find("FontColour")), 0x112233);
    EXPECT_EQ(std::get<double>(*store.Find("Visible")), 0);
}

TEST_F(CommandPersistence, DialogButtonStoresOnlyCaptionAndFont) {
    CommandControl control(view);
    control.Enabled();
    control.SetCaption("\x90\xDD\x92\xE8");
    control.SetFont(MsPGothicFont());
    view.Take();
    MemoryPropertyStore store;
    control.WriteProperties(store);
    EXPECT_EQ(store.Keys(), std::vector<std::string>({"Caption", "Font"}));
    EXPECT_EQ(view.Take(), Lines({"caption enabled", "draw Normal"}));
}

TEST_F(CommandPersistence, CaptionCommandIsNotStoredAndReadsBackAsCommand1) {
    CommandControl control(view);
    control.Enabled();
    MemoryPropertyStore store;
    control.WriteProperties(store);
    EXPECT_EQ(store.Find("Caption"), nullptr);
    CommandControl loaded(view);
    loaded.ReadProperties(store);
    EXPECT_EQ(loaded.Caption(), "Command1");
}

TEST_F(CommandPersistence, ReadsTheKeysInLoadingOrderThenRestoresNormal) {
    ReadOrderStore store;
    CommandControl control(view);
    control.ReadProperties(store);
    EXPECT_EQ(store.read, std::vector<std::string>(
                              {"Enabled", "Caption", "Font", "FirstRun", "FontColour", "Visible"}));
    EXPECT_EQ(view.Take(), Lines({"caption Command1", "font Tahoma", "colour 0", "opaque",
                                  "caption enabled", "draw Normal"}));
}

TEST_F(CommandPersistence, AnEmptyStoreGivesAnEnabledInitialisedOpaqueButton) {
    MemoryPropertyStore store;
    CommandControl control(view);
    control.ReadProperties(store);
    EXPECT_TRUE(control.Fields().EnabledFlag);
    EXPECT_EQ(control.Fields().FirstRun, 1);
    EXPECT_TRUE(control.Fields().Opaque);
    EXPECT_EQ(control.Font(), Tahoma());
}

TEST_F(CommandPersistence, LoadingDrawsNormalWhateverTheState) {
    CommandControl control(view);
    control.Enabled();
    control.Initialize();
    control.MouseMove();
    view.Take();
    control.ReadProperties(MemoryPropertyStore());
    EXPECT_EQ(view.Take().back(), "draw Normal inverted");
    EXPECT_EQ(control.Fields().ButtonState, kStateHighLight);
}

TEST_F(CommandPersistence, StoredTextFormsAreConverted) {
    MemoryPropertyStore store;
    store.Put("enabled", std::string("0"));
    store.Put("FIRSTRUN", std::string("0"));
    store.Put("FontColour", std::string("&HFF"));
    store.Put("Visible", std::string("0"));
    CommandControl control(view);
    control.ReadProperties(store);
    EXPECT_FALSE(control.Fields().EnabledFlag);
    EXPECT_EQ(control.Fields().FirstRun, 0);
    EXPECT_EQ(control.Fields().FontColour, 255);
    EXPECT_FALSE(control.Fields().Opaque);
    EXPECT_EQ(control.Visible(), 0);
}

TEST_F(CommandPersistence, ValuesThatDoNotConvertAreSkipped) {
    MemoryPropertyStore store;
    store.Put("Enabled", std::string("perhaps"));
    store.Put("FirstRun", 300.0);
    store.Put("Font", std::string("Arial"));
    store.Put("FontColour", std::string("red"));
    store.Put("Visible", 2.0);
    CommandControl control(view);
    control.ReadProperties(store);
    EXPECT_FALSE(control.Fields().EnabledFlag);
    EXPECT_EQ(control.Fields().FirstRun, 0);
    EXPECT_EQ(control.Font(), MsPGothicFont());
    EXPECT_EQ(control.Fields().FontColour, 0);
    EXPECT_TRUE(control.Fields().Opaque);
}

TEST_F(CommandPersistence, StoredFontIsAppliedInFull) {
    StoredFont font;
    font.name = "Arial";
    font.size = 12;
    font.weight = 700;
    font.italic = true;
    font.underline = true;
    font.strikethrough = true;
    font.charset = 0;
    MemoryPropertyStore store;
    store.Put("Font", font);
    CommandControl control(view);
    control.ReadProperties(store);
    EXPECT_EQ(control.Font(), font);
}

TEST_F(CommandPersistence, SavedInstanceLoadsBackTheSame) {
    CommandControl control(view);
    control.Enabled();
    control.SetCaption("..");
    control.SetFontColour(0x00ABCDEF);
    StoredFont font = MsPGothicFont();
    font.size = 11.25;
    control.SetFont(font);
    MemoryPropertyStore store;
    control.WriteProperties(store);
    CommandControl loaded(view);
    loaded.ReadProperties(store);
    EXPECT_EQ(loaded.Caption(), "..");
    EXPECT_EQ(loaded.Fields().FontColour, 0x00ABCDEF);
    EXPECT_EQ(loaded.Font(), font);
    EXPECT_TRUE(loaded.Fields().EnabledFlag);
    EXPECT_EQ(loaded.Fields().FirstRun, 1);
}

}  // namespace
