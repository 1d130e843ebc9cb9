#include "private_files_win32.h"

#include "snapshot_security_win32.h"

#include <aclapi.h>

#include <string>

namespace {

// A new file's name beside the one it replaces; a few in turn, should one
// be taken by a file that cannot be deleted.
constexpr int kTemporaryNames = 8;

std::string TemporaryName(const std::string& path, int number) {
    return path + ".new" + std::to_string(number);
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

// Deletes the file once its handle is closed, whatever its name by then.
void MarkForDeletion(HANDLE file) {
    FILE_DISPOSITION_INFO disposition = {TRUE};
    SetFileInformationByHandle(file, FileDispositionInfo, &disposition, sizeof(disposition));
}

// Deletes a file left at name by a run that ended mid-write, or put there
// by another account; delete-child on the folder allows it whoever made it.
void DeleteLeftover(const std::string& name) {
    if (DeleteFileA(name.c_str())) return;
    // A read-only file is not deleted until its attribute is cleared, which
    // only its maker may do. Through one handle, not following a link.
    HANDLE file = CreateFileA(name.c_str(), DELETE | FILE_WRITE_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    FILE_BASIC_INFO basic = {};
    basic.FileAttributes = FILE_ATTRIBUTE_NORMAL;
    if (SetFileInformationByHandle(file, FileBasicInfo, &basic, sizeof(basic))) {
        MarkForDeletion(file);
    }
    CloseHandle(file);
}

// True when file was made in folder itself. An empty folder may be turned
// into a junction by its owner between the folder's check and the file's
// making; a folder with a file in it cannot.
bool MadeIn(HANDLE file, HANDLE folder) {
    char made[MAX_PATH * 2];
    char in[MAX_PATH * 2];
    const DWORD madeLength = GetFinalPathNameByHandleA(file, made, sizeof(made), 0);
    const DWORD inLength = GetFinalPathNameByHandleA(folder, in, sizeof(in), 0);
    if (madeLength >= sizeof(made) || inLength == 0 || inLength >= sizeof(in)) return false;
    const std::string path(made, madeLength);
    return path.size() > inLength && path.compare(0, inLength, in) == 0 &&
           path.find_last_of('\\') == inLength;
}

// Writes bytes under the first free temporary name in folder and moves that
// file to path.
bool WriteInPlace(const std::string& path, const std::vector<std::uint8_t>& bytes, FileWriter write,
                  HANDLE folder, SnapshotSecurity& security) {
    // By name, from the fixed set: other accounts' runs may not list the
    // folder to find them.
    for (int number = 0; number < kTemporaryNames; ++number) {
        DeleteLeftover(TemporaryName(path, number));
    }
    for (int number = 0; number < kTemporaryNames; ++number) {
        const std::string temporary = TemporaryName(path, number);
        // NOTE: created with its descriptor, never opened if it is there
        // already: a file someone else made could be read through a handle
        // opened before its permissions were narrowed.
        HANDLE file =
            CreateFileA(temporary.c_str(), GENERIC_WRITE | DELETE, 0, security.Attributes(),
                        CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        // A name still taken (a file pending deletion answers "access
        // denied") is skipped, whatever the error.
        if (file == INVALID_HANDLE_VALUE) continue;
        if (!MadeIn(file, folder)) {
            MarkForDeletion(file);
            CloseHandle(file);
            return false;
        }
        const bool written = write(file, bytes.data(), bytes.size());
        const bool closed = CloseHandle(file) != 0;
        // NOTE: a move, not ReplaceFile: the new file keeps its own private
        // permissions instead of taking over those of the file it replaces.
        if (written && closed &&
            MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
            return true;
        }
        DeleteFileA(temporary.c_str());
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
    // Opened once, without following a reparse point: what is checked and
    // what is changed is this one folder, and the path cannot be re-pointed
    // in between. Another account's folder does not open so: only its owner
    // may read and change its DACL, and that account's next run makes it a
    // drop box.
    HANDLE folder =
        CreateFileA(path, READ_CONTROL | WRITE_DAC | FILE_READ_ATTRIBUTES,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (folder == INVALID_HANDLE_VALUE) return false;
    const bool made = IsPlainFolder(folder) && MakeOursADropBox(folder, account, security);
    CloseHandle(folder);
    return made;
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
    // The files are made and moved by path, so the folder must stay the one
    // that was checked until they are in place. Held open for traversal
    // (which every account may do in a drop box) without sharing delete
    // access, it cannot be renamed, deleted or swapped for a junction
    // meanwhile; see MadeIn for its turning into one.
    // NOTE: traversal, not only attributes: Windows holds a handle's sharing
    // against others only when it carries data access, and traversal does.
    // Write is shared: a move into the folder opens it to add a file, and
    // would fail against a handle that does not share writing.
    HANDLE folder =
        CreateFileA(target.substr(0, separator).c_str(), FILE_TRAVERSE | FILE_READ_ATTRIBUTES,
                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                    FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (folder == INVALID_HANDLE_VALUE) return false;
    const bool replaced =
        IsPlainFolder(folder) && WriteInPlace(target, bytes, write, folder, security);
    CloseHandle(folder);
    return replaced;
}
