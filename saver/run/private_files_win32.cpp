#include "private_files_win32.h"

#include <aclapi.h>

#include <string>

namespace {

// A new file's name beside the one it replaces; a few in turn, should a run
// that ended abruptly have left one behind.
constexpr int kTemporaryNames = 8;

// A security descriptor whose protected DACL allows this account and SYSTEM
// everything and nobody else anything: no Everyone, Users or Authenticated
// Users, and nothing inherited from the folder above.
class PrivateSecurity {
  public:
    // inheritance: the ACE flags that hand the entries down (for folders).
    explicit PrivateSecurity(DWORD inheritance);
    PrivateSecurity(const PrivateSecurity&) = delete;
    PrivateSecurity& operator=(const PrivateSecurity&) = delete;

    // Null when the descriptor could not be made.
    SECURITY_ATTRIBUTES* Attributes() { return ready_ ? &attributes_ : nullptr; }
    ACL* Dacl() { return reinterpret_cast<ACL*>(acl_.data()); }
    PSID User() { return reinterpret_cast<TOKEN_USER*>(user_.data())->User.Sid; }
    // True when sid is this account or SYSTEM.
    bool Admits(PSID sid) { return EqualSid(sid, User()) || EqualSid(sid, system_); }

  private:
    bool ReadUser();

    std::vector<BYTE> user_;
    BYTE system_[SECURITY_MAX_SID_SIZE] = {};
    std::vector<BYTE> acl_;
    SECURITY_DESCRIPTOR descriptor_ = {};
    SECURITY_ATTRIBUTES attributes_ = {};
    bool ready_ = false;
};

PrivateSecurity::PrivateSecurity(DWORD inheritance) {
    DWORD systemSize = sizeof(system_);
    if (!ReadUser() || !CreateWellKnownSid(WinLocalSystemSid, nullptr, system_, &systemSize)) {
        return;
    }
    const DWORD aclSize = sizeof(ACL) + 2 * (sizeof(ACCESS_ALLOWED_ACE) - sizeof(DWORD)) +
                          GetLengthSid(User()) + GetLengthSid(system_);
    acl_.resize(aclSize);
    ready_ = InitializeAcl(Dacl(), aclSize, ACL_REVISION) &&
             AddAccessAllowedAceEx(Dacl(), ACL_REVISION, inheritance, FILE_ALL_ACCESS, User()) &&
             AddAccessAllowedAceEx(Dacl(), ACL_REVISION, inheritance, FILE_ALL_ACCESS, system_) &&
             InitializeSecurityDescriptor(&descriptor_, SECURITY_DESCRIPTOR_REVISION) &&
             SetSecurityDescriptorDacl(&descriptor_, TRUE, Dacl(), FALSE) &&
             SetSecurityDescriptorControl(&descriptor_, SE_DACL_PROTECTED, SE_DACL_PROTECTED);
    attributes_ = {sizeof(attributes_), &descriptor_, FALSE};
}

bool PrivateSecurity::ReadUser() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return false;
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    user_.resize(size);
    const bool read = size > 0 && GetTokenInformation(token, TokenUser, user_.data(), size, &size);
    CloseHandle(token);
    return read;
}

// True when this account owns path and its DACL lets in anyone else.
bool OursAndOpen(const char* path, PrivateSecurity& security) {
    PSID owner = nullptr;
    ACL* dacl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetNamedSecurityInfoA(path, SE_FILE_OBJECT,
                              OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, &owner,
                              nullptr, &dacl, nullptr, &descriptor) != ERROR_SUCCESS) {
        return false;
    }
    bool open = dacl == nullptr;
    for (DWORD index = 0; dacl && index < dacl->AceCount; ++index) {
        ACCESS_ALLOWED_ACE* entry = nullptr;
        if (GetAce(dacl, index, reinterpret_cast<void**>(&entry)) &&
            entry->Header.AceType == ACCESS_ALLOWED_ACE_TYPE &&
            !security.Admits(&entry->SidStart)) {
            open = true;
        }
    }
    const bool ours = owner && EqualSid(owner, security.User());
    LocalFree(descriptor);
    return ours && open;
}

bool IsFolder(const char* path) {
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

bool MakePrivateFolder(const char* path) {
    PrivateSecurity security(OBJECT_INHERIT_ACE | CONTAINER_INHERIT_ACE);
    // Without a private descriptor no folder is made: an open one would let
    // every account read the photographs put into it.
    if (!security.Attributes()) return IsFolder(path);
    if (CreateDirectoryA(path, security.Attributes())) return true;
    // A folder an earlier version made with the permissions of the drive's
    // root is made private too; another account's is not ours to change.
    // NOTE: only when it is open: Wine keeps no DACL set on a folder after
    // it was made, and setting one there opens a private folder up again.
    if (GetLastError() == ERROR_ALREADY_EXISTS && OursAndOpen(path, security)) {
        std::string name(path);
        SetNamedSecurityInfoA(name.data(), SE_FILE_OBJECT,
                              DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                              nullptr, nullptr, security.Dacl(), nullptr);
    }
    return IsFolder(path);
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
    PrivateSecurity security(0);
    if (!security.Attributes()) return false;
    for (int attempt = 0; attempt < kTemporaryNames; ++attempt) {
        const std::string temporary = std::string(path) + ".new" + std::to_string(attempt);
        // NOTE: created with its descriptor, never opened if it is there
        // already: a file someone else made could be read through a handle
        // opened before its permissions were narrowed.
        HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, security.Attributes(),
                                  CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            if (GetLastError() == ERROR_FILE_EXISTS) continue;
            return false;
        }
        const bool written = write(file, bytes.data(), bytes.size());
        const bool closed = CloseHandle(file) != 0;
        // NOTE: a move, not ReplaceFile: the new file keeps its own private
        // permissions instead of taking over those of the file it replaces.
        if (written && closed && MoveFileExA(temporary.c_str(), path, MOVEFILE_REPLACE_EXISTING)) {
            return true;
        }
        DeleteFileA(temporary.c_str());
        return false;
    }
    return false;
}
