#include "snapshot_security_win32.h"

#include <gtest/gtest.h>
#include <sddl.h>
#include <windows.h>

namespace {

// What token may do with an object that has the descriptor the saver makes
// for creator, as Windows' own access check decides. The descriptor names
// its owner; the group, which the access check wants too, is left to the
// system on the disk.
DWORD Granted(HANDLE token, SnapshotSecurity::Kind kind, PSID creator) {
    SnapshotSecurity security(kind, creator);
    SetSecurityDescriptorGroup(security.Descriptor(), creator, FALSE);
    GENERIC_MAPPING files = {FILE_GENERIC_READ, FILE_GENERIC_WRITE, FILE_GENERIC_EXECUTE,
                             FILE_ALL_ACCESS};
    PRIVILEGE_SET privileges = {};
    DWORD privilegesSize = sizeof(privileges);
    DWORD granted = 0;
    BOOL allowed = FALSE;
    EXPECT_TRUE(AccessCheck(security.Descriptor(), token, MAXIMUM_ALLOWED, &files, &privileges,
                            &privilegesSize, &granted, &allowed))
        << GetLastError();
    return allowed ? granted : 0;
}

// This process's token stands for a second account of the PC; a made-up
// SID for the account that ran the saver first.
TEST(SnapshotSecurity, AnotherAccountMayDropAFileInTheFolderButNotListItOrReadTheSnapshot) {
    HANDLE process = nullptr;
    HANDLE token = nullptr;
    ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_DUPLICATE, &process));
    ASSERT_TRUE(DuplicateToken(process, SecurityImpersonation, &token));
    CloseHandle(process);
    BYTE everyAccount[SECURITY_MAX_SID_SIZE];
    DWORD size = sizeof(everyAccount);
    ASSERT_TRUE(CreateWellKnownSid(WinAuthenticatedUserSid, nullptr, everyAccount, &size));
    BOOL member = FALSE;
    ASSERT_TRUE(CheckTokenMembership(token, everyAccount, &member));
    ASSERT_TRUE(member) << "this account is not one of the Authenticated Users";
    PSID first = nullptr;
    ASSERT_TRUE(ConvertStringSidToSidA("S-1-5-21-1-2-3-1001", &first));
    using Kind = SnapshotSecurity::Kind;

    EXPECT_EQ(Granted(token, Kind::kPrivateFile, first), 0u) << "the first account's snapshot";
    const DWORD folder = Granted(token, Kind::kDropBox, first);
    EXPECT_EQ(folder & (FILE_ADD_FILE | FILE_DELETE_CHILD),
              DWORD(FILE_ADD_FILE | FILE_DELETE_CHILD));
    EXPECT_EQ(folder & (FILE_LIST_DIRECTORY | FILE_ADD_SUBDIRECTORY | WRITE_DAC | DELETE), 0u);

    const ThisAccount account;
    EXPECT_EQ(Granted(token, Kind::kPrivateFile, account.User()), DWORD(FILE_ALL_ACCESS));
    EXPECT_EQ(Granted(token, Kind::kDropBox, account.User()), DWORD(FILE_ALL_ACCESS));
    LocalFree(first);
    CloseHandle(token);
}

// NOTE: Wine shows no folder's DACL as made (see private_files_win32.cpp),
// so the entries the saver makes stand for the folders.
TEST(SnapshotSecurity, TellsItsOwnDropBoxFromAFolderOthersCannotDropInto) {
    const ThisAccount account;
    SnapshotSecurity dropBox(SnapshotSecurity::Kind::kDropBox, account.User());
    SnapshotSecurity privateOnly(SnapshotSecurity::Kind::kPrivateFile, account.User());

    EXPECT_TRUE(IsDropBox(dropBox.Dacl(), account.User()));
    EXPECT_FALSE(IsDropBox(privateOnly.Dacl(), account.User()));
}

// NOTE: Wine's token, like an administrator's on Windows, gives what it
// makes a group, not the user, as its default owner: it stands for the
// administrators who would otherwise own each other's folder.
TEST(SnapshotSecurity, MakesWhatItMakesThisAccountsOwnAndNoGroupOfItsToken) {
    const ThisAccount account;
    for (SnapshotSecurity::Kind kind :
         {SnapshotSecurity::Kind::kDropBox, SnapshotSecurity::Kind::kPrivateFile}) {
        SnapshotSecurity security(kind, account.User());
        PSID owner = nullptr;
        BOOL defaulted = TRUE;
        ASSERT_TRUE(GetSecurityDescriptorOwner(security.Descriptor(), &owner, &defaulted));
        ASSERT_NE(owner, nullptr);
        EXPECT_TRUE(EqualSid(owner, account.User()));
        EXPECT_FALSE(defaulted);
    }

    HANDLE token = nullptr;
    ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token));
    alignas(TOKEN_OWNER) BYTE information[sizeof(TOKEN_OWNER) + SECURITY_MAX_SID_SIZE];
    DWORD size = 0;
    ASSERT_TRUE(GetTokenInformation(token, TokenOwner, information, sizeof(information), &size));
    CloseHandle(token);
    PSID defaultOwner = reinterpret_cast<TOKEN_OWNER*>(information)->Owner;
    ASSERT_FALSE(EqualSid(defaultOwner, account.User()))
        << "this token's default owner is its user: no group to tell apart";
    BYTE administrators[SECURITY_MAX_SID_SIZE];
    size = sizeof(administrators);
    ASSERT_TRUE(CreateWellKnownSid(WinBuiltinAdministratorsSid, nullptr, administrators, &size));

    EXPECT_TRUE(account.Owns(account.User()));
    EXPECT_FALSE(account.Owns(defaultOwner));
    EXPECT_FALSE(account.Owns(administrators));
}

}  // namespace
