#include "private_files_win32.h"

#include "file_handle_win32.h"
#include "files_in_folder_win32.h"
#include "snapshot_security_win32.h"
#include "wide_text_win32.h"

#include <aclapi.h>
#include <winioctl.h>

#include <string>

namespace {

// A new file's name beside the one it replaces; a few in turn, should one
// be taken by a file that cannot be deleted.
constexpr int kTemporaryNames = 8;

std::wstring TemporaryName(const std::wstring& name, int number) {
    return name + L".new" + std::to_wstring(number);
}

// True when handle is a folder itself, not a file and not a reparse point
// (a junction or a symbolic link) that leads somewhere else.
// NOTE: Wine cannot make a junction, and it opens the target of a Unix
// symbolic link even with FILE_FLAG_OPEN_REPARSE_POINT.
bool IsPlainFolder(HANDLE handle) {
    BY_HANDLE_FILE_INFORMATION information = {};
    return GetFileInformationByHandle(handle, &information) &&
           (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
           !(information.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

// True when this account's user owns what handle holds, which the handle
// must be open to read (READ_CONTROL).
bool OwnedBy(const ThisAccount& account, HANDLE handle) {
    PSID owner = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetSecurityInfo(handle, SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner, nullptr,
                        nullptr, nullptr, &descriptor) != ERROR_SUCCESS) {
        return false;
    }
    const bool owned = account.Owns(owner);
    LocalFree(descriptor);
    return owned;
}

// Makes this account's folder a plain folder again when another account
// has turned it into a junction or a symbolic link: setting a reparse point
// on a folder takes write-data access (or write-attributes), and write-data
// on a folder is add-file, which the drop box gives every account (and
// delete-child lets it empty the folder first, as a junction needs). True
// when the link was taken off. Another account's folder is left as it is:
// its owner may have made it so.
bool TakeBackFromLink(HANDLE folder, const ThisAccount& account) {
    FILE_ATTRIBUTE_TAG_INFO link = {};
    if (!GetFileInformationByHandleEx(folder, FileAttributeTagInfo, &link, sizeof(link)) ||
        !(link.FileAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
        !IsReparseTagNameSurrogate(link.ReparseTag)) {
        return false;
    }
    // The same folder again, with the rights to read its owner and to take
    // its reparse point off; another account's folder does not open so.
    const FileHandle ours(ReOpenFile(folder, READ_CONTROL | FILE_WRITE_ATTRIBUTES,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE,
                                     FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS));
    if (!ours || !OwnedBy(account, ours.Get())) return false;
    REPARSE_GUID_DATA_BUFFER removal = {};
    removal.ReparseTag = link.ReparseTag;
    DWORD returned = 0;
    return DeviceIoControl(ours.Get(), FSCTL_DELETE_REPARSE_POINT, &removal,
                           REPARSE_GUID_DATA_BUFFER_HEADER_SIZE, nullptr, 0, &returned, nullptr);
}

// The folder at path, held open for access without following a reparse
// point and without sharing delete access: while it is held it cannot be
// renamed, deleted or swapped for another, and its path leads to it unless
// it is itself made a link, which everything done through the handle
// ignores. Empty unless it is a plain folder, once a link that another
// account made of this account's folder is taken off.
// NOTE: Windows holds a handle's sharing against others only when it
// carries data access; traversal does. Write is shared: a rename into the
// folder opens it to add a file, and would fail against a handle that does
// not share writing.
FileHandle HoldFolder(const char* path, DWORD access, const ThisAccount& account) {
    FileHandle folder(CreateFileA(path, access | FILE_TRAVERSE | FILE_READ_ATTRIBUTES,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS,
                                  nullptr));
    const bool plain =
        folder && (IsPlainFolder(folder.Get()) ||
                   (TakeBackFromLink(folder.Get(), account) && IsPlainFolder(folder.Get())));
    return plain ? std::move(folder) : FileHandle();
}

// Gives the folder the drop box's DACL when this account owns it and it is
// not a drop box yet: a folder an earlier version made private to its
// creator, or one made with the permissions of the drive's root.
// NOTE: Wine shows a folder's DACL as it maps it to Unix permissions, which
// have no room for the entry that lets every account in; so it never sees a
// drop box, sets the DACL on every run, and from then on shows the folder
// as readable by Everyone, which its Unix permissions then are.
bool MakeOursADropBox(HANDLE folder, const ThisAccount& account, SnapshotSecurity& security) {
    PSID owner = nullptr;
    ACL* dacl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetSecurityInfo(folder, SE_FILE_OBJECT,
                        OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, &owner, nullptr,
                        &dacl, nullptr, &descriptor) != ERROR_SUCCESS) {
        return false;
    }
    const bool ours = account.Owns(owner);
    const bool dropBox = IsDropBox(dacl, account.User());
    LocalFree(descriptor);
    if (!ours) return false;
    return dropBox ||
           SetSecurityInfo(folder, SE_FILE_OBJECT,
                           DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION, nullptr,
                           nullptr, security.Dacl(), nullptr) == ERROR_SUCCESS;
}

// Deletes the file once its handle is closed, whatever its name by then;
// false when it may not be deleted.
bool MarkForDeletion(HANDLE file) {
    FILE_DISPOSITION_INFO disposition = {TRUE};
    return SetFileInformationByHandle(file, FileDispositionInfo, &disposition, sizeof(disposition));
}

// Deletes a file left under name in folder by a run that ended mid-write,
// or put there by another account. Delete-child on the folder allows it
// whoever made the file, and allows nothing else: the file is opened for
// deletion alone (DeleteFile would ask to read its attributes too, which
// neither the drop box nor another account's private file grants).
void DeleteLeftover(HANDLE folder, const std::wstring& name) {
    const FileHandle file = OpenInFolder(folder, name, DELETE);
    if (!file || MarkForDeletion(file.Get())) return;
    // A read-only file is not deleted until its attribute is cleared, which
    // only its maker may do.
    const FileHandle ownFile = OpenInFolder(folder, name, DELETE | FILE_WRITE_ATTRIBUTES);
    FILE_BASIC_INFO basic = {};
    basic.FileAttributes = FILE_ATTRIBUTE_NORMAL;
    if (ownFile &&
        SetFileInformationByHandle(ownFile.Get(), FileBasicInfo, &basic, sizeof(basic))) {
        MarkForDeletion(ownFile.Get());
    }
}

// Writes bytes under the first free temporary name in folder and renames
// that file to name.
bool WriteInPlace(HANDLE folder, const std::wstring& name, const std::vector<std::uint8_t>& bytes,
                  FileWriter write, SnapshotSecurity& security) {
    // By name, from the fixed set: other accounts' runs may not list the
    // folder to find them.
    for (int number = 0; number < kTemporaryNames; ++number) {
        DeleteLeftover(folder, TemporaryName(name, number));
    }
    for (int number = 0; number < kTemporaryNames; ++number) {
        // NOTE: made with its descriptor, never opened if it is there
        // already: a file someone else made could be read through a handle
        // opened before its permissions were narrowed.
        const FileHandle file =
            MakeInFolder(folder, TemporaryName(name, number), security.Descriptor());
        // A name still taken (a file pending deletion answers "access
        // denied") is skipped, whatever the error.
        if (!file) continue;
        // NOTE: a rename, not ReplaceFile: the new file keeps its own
        // private permissions instead of taking over those of the file it
        // replaces.
        if (write(file.Get(), bytes.data(), bytes.size()) &&
            MoveIntoFolder(file.Get(), folder, name)) {
            return true;
        }
        MarkForDeletion(file.Get());
        return false;
    }
    return false;
}

}  // namespace

bool MakeDropBox(const char* path) {
    const ThisAccount account;
    SnapshotSecurity security(SnapshotSecurity::Kind::kDropBox, account.User());
    // Without the drop box's descriptor no folder is made: one with the
    // permissions of the drive's root would let every account read the
    // photographs put into it.
    if (!security.Attributes()) return false;
    if (CreateDirectoryA(path, security.Attributes())) return true;
    if (GetLastError() != ERROR_ALREADY_EXISTS) return false;
    // What is checked and what is changed is the one folder held. Another
    // account's folder does not open so: only its owner may read and change
    // its DACL, and that account's next run makes it a drop box.
    const FileHandle folder = HoldFolder(path, READ_CONTROL | WRITE_DAC, account);
    return folder && MakeOursADropBox(folder.Get(), account, security);
}

bool WriteWholly(HANDLE file, const std::uint8_t* bytes, std::size_t size) {
    while (size > 0) {
        const DWORD chunk = size > MAXDWORD ? MAXDWORD : DWORD(size);
        DWORD written = 0;
        if (!WriteFile(file, bytes, chunk, &written, nullptr) || written == 0) return false;
        bytes += written;
        size -= written;
    }
    return true;
}

bool ReplaceWithPrivateFile(const char* path, const std::vector<std::uint8_t>& bytes,
                            FileWriter write) {
    const ThisAccount account;
    SnapshotSecurity security(SnapshotSecurity::Kind::kPrivateFile, account.User());
    const std::string target(path);
    const std::string::size_type separator = target.find_last_of('\\');
    if (!security.Attributes() || separator == std::string::npos) return false;
    // Held for traversal alone, which every account may do in a drop box.
    const FileHandle folder = HoldFolder(target.substr(0, separator).c_str(), 0, account);
    return folder && WriteInPlace(folder.Get(), WideFromBytes(CP_ACP, target.substr(separator + 1)),
                                  bytes, write, security);
}
