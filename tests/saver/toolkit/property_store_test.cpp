// The host's property store and the read and write rules over it.
#include "memory_property_store.h"
#include "property_conversion.h"

#include <gtest/gtest.h>

namespace {

using Keys = std::vector<std::string>;

TEST(PropertyStoreRead, GivesTheDefaultForAnAbsentKey) {
    MemoryPropertyStore store;
    EXPECT_EQ(std::get<std::string>(ReadProperty(store, "Caption", std::string("Command1"))),
              "Command1");
}

TEST(PropertyStoreRead, FindsKeysWithoutRegardToCase) {
    MemoryPropertyStore store;
    store.Put("caption", std::string("OK"));
    EXPECT_EQ(std::get<std::string>(ReadProperty(store, "CAPTION", std::string("x"))), "OK");
    store.Put("Caption", std::string("Again"));
    EXPECT_EQ(store.Keys(), Keys({"caption"}));
    EXPECT_EQ(std::get<std::string>(ReadProperty(store, "Caption", std::string("x"))), "Again");
}

TEST(PropertyStoreWrite, SkipsAValueEqualToItsDefault) {
    MemoryPropertyStore store;
    WriteProperty(store, "Caption", std::string("Command"), std::string("Command"));
    WriteProperty(store, "FirstRun", 1.0, std::string("1"));
    WriteProperty(store, "FontColour", 0.0, std::string("0"));
    WriteProperty(store, "Enabled", -1.0, -1.0);
    EXPECT_TRUE(store.Keys().empty());
}

TEST(PropertyStoreWrite, StoresAValueOtherThanItsDefault) {
    MemoryPropertyStore store;
    WriteProperty(store, "Caption", std::string("command"), std::string("Command"));
    WriteProperty(store, "FirstRun", 0.0, std::string("1"));
    EXPECT_EQ(store.Keys(), Keys({"Caption", "FirstRun"}));
}

TEST(PropertyStoreWrite, WritingTheDefaultOverAnOldValueRemovesIt) {
    MemoryPropertyStore store;
    store.Put("Visible", 0.0);
    WriteProperty(store, "visible", 1.0, std::string("1"));
    EXPECT_EQ(store.Find("Visible"), nullptr);
}

TEST(PropertyValueEquality, NumericAndTextFormsOfOneNumberAreEqual) {
    EXPECT_TRUE(SamePropertyValue(1.0, std::string("1")));
    EXPECT_TRUE(SamePropertyValue(std::string("&HFF"), 255.0));
    EXPECT_TRUE(SamePropertyValue(std::string(" 1.0 "), 1.0));
    EXPECT_FALSE(SamePropertyValue(std::string("1"), std::string("1.0")));
    EXPECT_FALSE(SamePropertyValue(std::string("one"), 1.0));
    EXPECT_FALSE(SamePropertyValue(MsPGothicFont(), std::string("1")));
    EXPECT_TRUE(SamePropertyValue(MsPGothicFont(), MsPGothicFont()));
}

TEST(PropertyConversion, BooleansFromNumbersAndWords) {
    EXPECT_EQ(PropertyBoolean(-1.0), true);
    EXPECT_EQ(PropertyBoolean(std::string("0")), false);
    EXPECT_EQ(PropertyBoolean(std::string("true")), true);
    EXPECT_EQ(PropertyBoolean(std::string("FALSE")), false);
    EXPECT_EQ(PropertyBoolean(std::string("maybe")), std::nullopt);
    EXPECT_EQ(PropertyBoolean(MsPGothicFont()), std::nullopt);
}

TEST(PropertyConversion, IntegersRoundHalfToEvenAndStayInRange) {
    EXPECT_EQ(PropertyInteger(std::string("2.5"), 0, 255), 2);
    EXPECT_EQ(PropertyInteger(std::string("3.5"), 0, 255), 4);
    EXPECT_EQ(PropertyInteger(255.0, 0, 255), 255);
    EXPECT_EQ(PropertyInteger(256.0, 0, 255), std::nullopt);
    EXPECT_EQ(PropertyInteger(std::string("-1"), 0, 255), std::nullopt);
    EXPECT_EQ(PropertyInteger(std::string("abc"), 0, 255), std::nullopt);
}

TEST(PropertyConversion, TextFromNumbers) {
    EXPECT_EQ(PropertyText(12.0), "12");
    EXPECT_EQ(PropertyText(2.5), "2.5");
    EXPECT_EQ(PropertyText(std::string("x")), "x");
    EXPECT_EQ(PropertyText(MsPGothicFont()), std::nullopt);
}

}  // namespace
