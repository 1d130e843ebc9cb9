#include "path_routines.h"

#include <gtest/gtest.h>

namespace {

// "表" and "ソ" end in 0x5C, the byte of "\", in code page 932.
const std::string kHyou = "\x95\x5C";
const std::string kSo = "\x83\x5C";

TEST(FolderOf, CutsAtTheLastSeparator) {
    EXPECT_EQ(FolderOf("C:\\Music\\a.mp3"), "C:\\Music");
    EXPECT_EQ(FolderOf("C:\\Music\\Live\\a.mp3"), "C:\\Music\\Live");
    EXPECT_EQ(FolderOf("\\\\server\\share\\a.mp3"), "\\\\server\\share");
    EXPECT_EQ(FolderOf("Music\\a.mp3"), "Music");
}

TEST(FolderOf, KeepsTheDriveWithoutItsRootSeparator) {
    EXPECT_EQ(FolderOf("C:\\a.mp3"), "C:");
    EXPECT_EQ(FolderOf("C:a.mp3"), "C:");
    EXPECT_EQ(FolderOf("C:\\"), "C:");
    EXPECT_EQ(FolderOf("C:"), "C:");
}

TEST(FolderOf, GivesEmptyWithoutSeparator) {
    EXPECT_EQ(FolderOf("a.mp3"), "");
    EXPECT_EQ(FolderOf(""), "");
    EXPECT_EQ(FolderOf("C:/Music/a.mp3"), "C:");
}

TEST(FolderOf, DropsOnlyOneTrailingSeparator) {
    EXPECT_EQ(FolderOf("C:\\Music\\"), "C:\\Music");
    EXPECT_EQ(FolderOf("C:\\Music\\\\a.mp3"), "C:\\Music\\");
    EXPECT_EQ(FolderOf("\\\\"), "\\");
    EXPECT_EQ(FolderOf("\\a.mp3"), "");
}

TEST(FolderOf, ReadsDoubleByteCharactersWhole) {
    EXPECT_EQ(FolderOf("C:\\" + kHyou + "\\a.mp3"), "C:\\" + kHyou);
    EXPECT_EQ(FolderOf("C:\\Music\\" + kSo), "C:\\Music");
    EXPECT_EQ(FolderOf("C:\\" + kSo + kHyou), "C:");
    EXPECT_EQ(FolderOf("C:\\\xCC\xA7\xB2\xD9\\a.mp3"), "C:\\\xCC\xA7\xB2\xD9");
}

TEST(WithoutTrailingSeparator, RemovesOneTrailingSeparator) {
    EXPECT_EQ(WithoutTrailingSeparator("C:\\Music\\"), "C:\\Music");
    EXPECT_EQ(WithoutTrailingSeparator("C:\\Music\\a.mp3\\"), "C:\\Music\\a.mp3");
    EXPECT_EQ(WithoutTrailingSeparator("C:\\Music\\\\"), "C:\\Music\\");
    EXPECT_EQ(WithoutTrailingSeparator("\\"), "");
}

TEST(WithoutTrailingSeparator, LeavesOtherPathsAlone) {
    EXPECT_EQ(WithoutTrailingSeparator("C:\\Music"), "C:\\Music");
    EXPECT_EQ(WithoutTrailingSeparator(""), "");
    EXPECT_EQ(WithoutTrailingSeparator("C:\\Music\\" + kSo), "C:\\Music\\" + kSo);
    EXPECT_EQ(WithoutTrailingSeparator(kHyou), kHyou);
    EXPECT_EQ(WithoutTrailingSeparator(kHyou + "\\"), kHyou);
}

TEST(ProgramFolderOf, DropsTheFileNameAndItsSeparator) {
    EXPECT_EQ(ProgramFolderOf("C:\\Program Files\\Tesselune\\Tesselune.scr"),
              "C:\\Program Files\\Tesselune");
    EXPECT_EQ(ProgramFolderOf("C:\\WINDOWS\\system32\\Tesselune.scr"), "C:\\WINDOWS\\system32");
    EXPECT_EQ(ProgramFolderOf("\\\\server\\share\\Tesselune.scr"), "\\\\server\\share");
    EXPECT_EQ(ProgramFolderOf("C:\\" + kSo + "\\Tesselune.scr"), "C:\\" + kSo);
}

TEST(ProgramFolderOf, KeepsTheSeparatorOfADriveRoot) {
    EXPECT_EQ(ProgramFolderOf("C:\\Tesselune.scr"), "C:\\");
    EXPECT_EQ(ProgramFolderOf("Z:\\Tesselune.scr"), "Z:\\");
}

TEST(ProgramFolderOf, GivesEmptyWithoutAFolder) {
    EXPECT_EQ(ProgramFolderOf("Tesselune.scr"), "");
    EXPECT_EQ(ProgramFolderOf(""), "");
}

}  // namespace
