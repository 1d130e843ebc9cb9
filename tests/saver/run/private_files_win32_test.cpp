#include "private_files_win32.h"

#include "file_security_win32.h"
#include "snapshot_security_win32.h"
#include "temp_folder_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace {

const std::vector<std::uint8_t> kPicture(786486, 0x5A);

std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
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

// The folder that WriteWhileMovingTheFolder tries to move away mid-write.
std::string folderToMove;
bool folderMoved = false;

bool WriteWhileMovingTheFolder(HANDLE file, const std::uint8_t* bytes, std::size_t size) {
    folderMoved = MoveFileA(folderToMove.c_str(), (folderToMove + "-moved").c_str()) != 0;
    return WriteWholly(file, bytes, size);
}

// The working folder that the writers below switch to mid-write, so that a
// path relative to it leads elsewhere from then on.
std::string elsewhere;

bool WriteOnceThePathLeadsElsewhere(HANDLE file, const std::uint8_t* bytes, std::size_t size) {
    return SetCurrentDirectoryA(elsewhere.c_str()) && WriteWholly(file, bytes, size);
}

bool FailOnceThePathLeadsElsewhere(HANDLE file, const std::uint8_t* bytes, std::size_t size) {
    WriteOnceThePathLeadsElsewhere(file, bytes, size);
    return false;
}

// Whom the allowing entries of security name, in any order.
std::multiset<std::string> Sids(const FileSecurity& security) {
    std::multiset<std::string> sids;
    for (const AccessEntry& entry : security.allowed) sids.insert(entry.sid);
    return sids;
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
    EXPECT_EQ(Sids(security),
              (std::multiset<std::string>{SidText(ThisAccount().User()), "S-1-5-18"}));
    EXPECT_EQ(Names(folder.Path()), std::vector<std::string>{"Tesselune.bmp"});
}

TEST_F(PrivateFile, LeftoversUnderEveryTemporaryNameDoNotKeepItFromBeingWritten) {
    for (int number = 0; number < 8; ++number) {
        WriteBytes(snapshot + ".new" + std::to_string(number), "an old screen");
    }
    ASSERT_TRUE(SetFileAttributesA((snapshot + ".new0").c_str(), FILE_ATTRIBUTE_READONLY));

    ASSERT_TRUE(ReplaceWithPrivateFile(snapshot.c_str(), kPicture));

    EXPECT_EQ(ReadBytes(snapshot), std::string(kPicture.begin(), kPicture.end()));
    EXPECT_EQ(Names(folder.Path()), std::vector<std::string>{"Tesselune.bmp"});
}

TEST_F(PrivateFile, ItsFolderCannotBeMovedAwayWhileItIsWritten) {
    const std::string inner = folder / "t_olva";
    ASSERT_TRUE(MakeDropBox(inner.c_str()));
    folderToMove = inner;

    ASSERT_TRUE(ReplaceWithPrivateFile((inner + "\\Tesselune.bmp").c_str(), kPicture,
                                       WriteWhileMovingTheFolder));

    EXPECT_FALSE(folderMoved);
    EXPECT_TRUE(PathExists(inner + "\\Tesselune.bmp"));
}

// Every step after the folder's check goes through the folder held: the
// rename into place and the clean-up after a failed write act on it, not on
// what its path (here relative to the working folder) leads to by then.
TEST_F(PrivateFile, IsRenamedAndCleanedUpInTheFolderItOpenedWhereverItsPathLeadsMeanwhile) {
    const std::string held = folder / "held";
    elsewhere = folder / "elsewhere";
    for (const std::string& base : {held, elsewhere}) {
        ASSERT_TRUE(CreateDirectoryA(base.c_str(), nullptr));
        ASSERT_TRUE(CreateDirectoryA((base + "\\t_olva").c_str(), nullptr));
    }
    WriteBytes(elsewhere + "\\t_olva\\Tesselune.bmp.new0", "another run's");
    char working[MAX_PATH];
    ASSERT_NE(GetCurrentDirectoryA(MAX_PATH, working), 0u);

    ASSERT_TRUE(SetCurrentDirectoryA(held.c_str()));
    EXPECT_FALSE(
        ReplaceWithPrivateFile("t_olva\\Tesselune.bmp", kPicture, FailOnceThePathLeadsElsewhere));
    ASSERT_TRUE(SetCurrentDirectoryA(held.c_str()));
    EXPECT_TRUE(
        ReplaceWithPrivateFile("t_olva\\Tesselune.bmp", kPicture, WriteOnceThePathLeadsElsewhere));
    ASSERT_TRUE(SetCurrentDirectoryA(working));

    EXPECT_EQ(Names(held + "\\t_olva"), std::vector<std::string>{"Tesselune.bmp"});
    EXPECT_EQ(ReadBytes(held + "\\t_olva\\Tesselune.bmp"),
              std::string(kPicture.begin(), kPicture.end()));
    EXPECT_EQ(Names(elsewhere + "\\t_olva"), std::vector<std::string>{"Tesselune.bmp.new0"});
    EXPECT_EQ(ReadBytes(elsewhere + "\\t_olva\\Tesselune.bmp.new0"), "another run's");
}

TEST_F(PrivateFile, AWriteThatFailsHalfWayKeepsTheEarlierFileAndLeavesNothingBehind) {
    EXPECT_FALSE(ReplaceWithPrivateFile(snapshot.c_str(), kPicture, WriteHalfThenFail));

    EXPECT_EQ(ReadBytes(snapshot), "the earlier picture");
    EXPECT_EQ(Names(folder.Path()), std::vector<std::string>{"Tesselune.bmp"});
}

TEST_F(PrivateFile, GoesIntoAFolderThatOthersCannotList) {
    const std::string made = folder / "t_olva";
    ASSERT_TRUE(MakeDropBox(made.c_str()));

    const FileSecurity security = ReadFileSecurity(made);
    ASSERT_TRUE(security.read);
    EXPECT_FALSE(OthersMayRead(security));
    EXPECT_EQ(security.owner, SidText(ThisAccount().User()));
    EXPECT_TRUE(MakeDropBox(made.c_str())) << "the folder made is not recognised as ours";
}

TEST_F(PrivateFile, AFileInPlaceOfTheFolderIsLeftUntouched) {
    ASSERT_TRUE(OpenToEveryone(snapshot));

    EXPECT_FALSE(MakeDropBox(snapshot.c_str()));

    EXPECT_EQ(ReadBytes(snapshot), "the earlier picture");
    EXPECT_TRUE(OthersMayRead(ReadFileSecurity(snapshot)));
}

}  // namespace
