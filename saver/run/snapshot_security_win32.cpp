#include "snapshot_security_win32.h"

namespace {

// The token's information of one class, empty when it could not be read.
std::vector<BYTE> ReadToken(HANDLE token, TOKEN_INFORMATION_CLASS kind) {
    DWORD size = 0;
    GetTokenInformation(token, kind, nullptr, 0, &size);
    std::vector<BYTE> information(size);
    if (size == 0 || !GetTokenInformation(token, kind, information.data(), size, &size)) {
        information.clear();
    }
    return information;
}

bool IsWellKnown(PSID sid, WELL_KNOWN_SID_TYPE kind) {
    BYTE known[SECURITY_MAX_SID_SIZE];
    DWORD size = sizeof(known);
    return CreateWellKnownSid(kind, nullptr, known, &size) && EqualSid(sid, known);
}

}  // namespace

ThisAccount::ThisAccount() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return;
    user_ = ReadToken(token, TokenUser);
    CloseHandle(token);
}

PSID ThisAccount::User() const {
    return Known() ? reinterpret_cast<const TOKEN_USER*>(user_.data())->User.Sid : nullptr;
}

bool ThisAccount::Owns(PSID owner) const {
    return Known() && owner && EqualSid(owner, User());
}

// NOTE: no entry is inherited: a file gets only the DACL it is made with.
// Every file is made private to its creator and SYSTEM, yet any account
// may delete or replace it: delete-child on the folder allows that whatever
// the file's own DACL says. So each account's run replaces the previous
// account's snapshot with a private one of its own, and none can read
// another's.
SnapshotSecurity::SnapshotSecurity(Kind kind, PSID creator) {
    BYTE system[SECURITY_MAX_SID_SIZE];
    BYTE everyAccount[SECURITY_MAX_SID_SIZE];
    DWORD systemSize = sizeof(system);
    DWORD everyAccountSize = sizeof(everyAccount);
    if (!creator || !CreateWellKnownSid(WinLocalSystemSid, nullptr, system, &systemSize) ||
        !CreateWellKnownSid(WinAuthenticatedUserSid, nullptr, everyAccount, &everyAccountSize)) {
        return;
    }
    owner_.resize(GetLengthSid(creator));
    const bool dropBox = kind == Kind::kDropBox;
    const DWORD entry = sizeof(ACCESS_ALLOWED_ACE) - sizeof(DWORD);
    const DWORD aclSize = sizeof(ACL) + 2 * entry + GetLengthSid(creator) + systemSize +
                          (dropBox ? entry + everyAccountSize : 0);
    acl_.resize(aclSize);
    ready_ =
        InitializeAcl(Dacl(), aclSize, ACL_REVISION) &&
        AddAccessAllowedAce(Dacl(), ACL_REVISION, FILE_ALL_ACCESS, creator) &&
        AddAccessAllowedAce(Dacl(), ACL_REVISION, FILE_ALL_ACCESS, system) &&
        (!dropBox || AddAccessAllowedAce(Dacl(), ACL_REVISION, kDropBoxRights, everyAccount)) &&
        CopySid(DWORD(owner_.size()), owner_.data(), creator) &&
        InitializeSecurityDescriptor(&descriptor_, SECURITY_DESCRIPTOR_REVISION) &&
        SetSecurityDescriptorOwner(&descriptor_, owner_.data(), FALSE) &&
        SetSecurityDescriptorDacl(&descriptor_, TRUE, Dacl(), FALSE) &&
        SetSecurityDescriptorControl(&descriptor_, SE_DACL_PROTECTED, SE_DACL_PROTECTED);
    attributes_ = {sizeof(attributes_), &descriptor_, FALSE};
}

bool IsDropBox(const ACL* dacl, PSID creator) {
    if (!dacl) return false;
    constexpr BYTE kHandedDown = OBJECT_INHERIT_ACE | CONTAINER_INHERIT_ACE | INHERIT_ONLY_ACE;
    bool everyAccountDrops = false;
    for (DWORD index = 0; index < dacl->AceCount; ++index) {
        ACE_HEADER* header = nullptr;
        if (!GetAce(const_cast<ACL*>(dacl), index, reinterpret_cast<void**>(&header))) {
            return false;
        }
        if (header->AceType != ACCESS_ALLOWED_ACE_TYPE) return false;
        auto* entry = reinterpret_cast<ACCESS_ALLOWED_ACE*>(header);
        PSID sid = &entry->SidStart;
        if (EqualSid(sid, creator) || IsWellKnown(sid, WinLocalSystemSid)) continue;
        if ((entry->Mask & ~kDropBoxRights) || (entry->Header.AceFlags & kHandedDown)) {
            return false;
        }
        if (IsWellKnown(sid, WinAuthenticatedUserSid) &&
            (entry->Mask & kDropBoxRights) == kDropBoxRights) {
            everyAccountDrops = true;
        }
    }
    return everyAccountDrops;
}
