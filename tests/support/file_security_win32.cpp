#include "file_security_win32.h"

#include <windows.h>

#include <aclapi.h>
#include <sddl.h>

std::string SidText(PSID sid) {
    char* text = nullptr;
    if (!ConvertSidToStringSidA(sid, &text)) return "?";
    std::string result(text);
    LocalFree(text);
    return result;
}

FileSecurity ReadFileSecurity(const std::string& path) {
    FileSecurity security;
    PSID owner = nullptr;
    ACL* dacl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    const std::wstring wide(path.begin(), path.end());
    if (GetNamedSecurityInfoW(wide.c_str(), SE_FILE_OBJECT,
                              OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, &owner,
                              nullptr, &dacl, nullptr, &descriptor) != ERROR_SUCCESS) {
        return security;
    }
    security.read = true;
    security.owner = SidText(owner);
    for (DWORD index = 0; dacl && index < dacl->AceCount; ++index) {
        ACE_HEADER* header = nullptr;
        if (!GetAce(dacl, index, reinterpret_cast<void**>(&header)) ||
            header->AceType != ACCESS_ALLOWED_ACE_TYPE) {
            continue;
        }
        auto* entry = reinterpret_cast<ACCESS_ALLOWED_ACE*>(header);
        security.allowed.push_back({SidText(&entry->SidStart), entry->Mask});
    }
    LocalFree(descriptor);
    return security;
}

bool OthersMayRead(const FileSecurity& security) {
    constexpr unsigned long kReading = FILE_READ_DATA | GENERIC_READ | GENERIC_ALL;
    for (const AccessEntry& entry : security.allowed) {
        const bool others =
            entry.sid == "S-1-1-0" || entry.sid == "S-1-5-32-545" || entry.sid == "S-1-5-11";
        if (others && (entry.mask & kReading)) return true;
    }
    return false;
}

bool OpenToEveryone(const std::string& path) {
    EXPLICIT_ACCESS_W entries[2] = {};
    entries[0].grfAccessPermissions = GENERIC_READ;
    entries[0].Trustee.ptstrName = const_cast<wchar_t*>(L"EVERYONE");
    entries[1].grfAccessPermissions = GENERIC_ALL;
    entries[1].Trustee.ptstrName = const_cast<wchar_t*>(L"CURRENT_USER");
    for (EXPLICIT_ACCESS_W& entry : entries) {
        entry.grfAccessMode = GRANT_ACCESS;
        entry.grfInheritance = SUB_CONTAINERS_AND_OBJECTS_INHERIT;
        entry.Trustee.TrusteeForm = TRUSTEE_IS_NAME;
    }
    ACL* dacl = nullptr;
    if (SetEntriesInAclW(2, entries, nullptr, &dacl) != ERROR_SUCCESS) return false;
    std::wstring wide(path.begin(), path.end());
    const DWORD result =
        SetNamedSecurityInfoW(wide.data(), SE_FILE_OBJECT,
                              DACL_SECURITY_INFORMATION | UNPROTECTED_DACL_SECURITY_INFORMATION,
                              nullptr, nullptr, dacl, nullptr);
    LocalFree(dacl);
    return result == ERROR_SUCCESS;
}
