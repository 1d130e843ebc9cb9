#include "private_files_win32.h"

#include "file_security_win32.h"
#include "temp_folder_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

const std::vector<std::uint8_t> kPicture(786486, 0x5A);

std::vector<std::string> Names(const TempFolder& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder / "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

bool WriteHalfThenFail(HANDLE file, const std::uint8_t* bytes, std::size_t size) {
    WriteWholly(file, bytes, size / 2);
    return false;
}

class PrivateFile : public ::testing::Test {
  protected:
    void SetUp() override { WriteBytes(snapshot, "the earlier picture"); }

    TempFolder folder;
    const std::string snapshot = folder / "Tesselune.bmp";
};

TEST_F(PrivateFile, TakesThePlaceOfAnOpenFileWithPermissionsOfItsOwn) {
    ASSERT_TRUE(OpenToEveryone(snapshot));
    ASSERT_TRUE(OthersMayRead(ReadFileSecurity(snapshot)));

    ASSERT_TRUE(ReplaceWithPrivateFile(snapshot.c_str(), kPicture));

    EXPECT_EQ(ReadBytes(snapshot), std::string(kPicture.begin(), kPicture.end()));
    const FileSecurity security = ReadFileSecurity(snapshot);
    ASSERT_TRUE(security.read);
    EXPECT_FALSE(OthersMayRead(security));
    EXPECT_EQ(security.allowed.size(), 2u);
    EXPECT_EQ(Names(folder), std::vector<std::string>{"Tesselune.bmp"});
}

TEST_F(PrivateFile, AWriteThatFailsHalfWayKeepsTheEarlierFileAndLeavesNothingBehind) {
    EXPECT_FALSE(ReplaceWithPrivateFile(snapshot.c_str(), kPicture, WriteHalfThenFail));

    EXPECT_EQ(ReadBytes(snapshot), "the earlier picture");
    EXPECT_EQ(Names(folder), std::vector<std::string>{"Tesselune.bmp"});
}

TEST_F(PrivateFile, GoesIntoAFolderOnlyThisAccountCanOpen) {
    const std::string made = folder / "t_olva";
    ASSERT_TRUE(MakePrivateFolder(made.c_str()));
    ASSERT_TRUE(MakePrivateFolder(made.c_str()));

    const FileSecurity security = ReadFileSecurity(made);
    ASSERT_TRUE(security.read);
    EXPECT_FALSE(OthersMayRead(security));
    EXPECT_EQ(security.allowed.size(), 2u);
}

}  // namespace
