#include "files_in_folder_win32.h"

#include <winternl.h>

#include <cstring>
#include <vector>

namespace {

// A function of ntdll, which only the native calls offer: a name relative
// to a folder's handle. NOTE: ntdll is in every process from its start, so
// nothing is loaded; it is looked up rather than imported, and the run's
// import table stays as short as a test holds it.
template <typename Function>
Function* Native(const char* name) {
    return reinterpret_cast<Function*>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), name)));
}

// The name as the native calls take it: counted, relative to folder.
struct NameInFolder {
    NameInFolder(HANDLE folder, const std::wstring& name, SECURITY_DESCRIPTOR* security) {
        const USHORT bytes = USHORT(name.size() * sizeof(wchar_t));
        text = {bytes, bytes, const_cast<wchar_t*>(name.c_str())};
        InitializeObjectAttributes(&attributes, &text, OBJ_CASE_INSENSITIVE, folder, security);
    }
    NameInFolder(const NameInFolder&) = delete;
    NameInFolder& operator=(const NameInFolder&) = delete;

    UNICODE_STRING text;
    OBJECT_ATTRIBUTES attributes;
};

}  // namespace

FileHandle OpenInFolder(HANDLE folder, const std::wstring& name, ACCESS_MASK access) {
    static const auto open = Native<decltype(NtOpenFile)>("NtOpenFile");
    NameInFolder file(folder, name, nullptr);
    IO_STATUS_BLOCK status = {};
    HANDLE handle = nullptr;
    if (!open || !NT_SUCCESS(open(&handle, access, &file.attributes, &status,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  FILE_NON_DIRECTORY_FILE | FILE_OPEN_REPARSE_POINT))) {
        return {};
    }
    return FileHandle(handle);
}

FileHandle MakeInFolder(HANDLE folder, const std::wstring& name, SECURITY_DESCRIPTOR* security) {
    static const auto create = Native<decltype(NtCreateFile)>("NtCreateFile");
    NameInFolder file(folder, name, security);
    IO_STATUS_BLOCK status = {};
    HANDLE handle = nullptr;
    if (!create ||
        !NT_SUCCESS(
            create(&handle, GENERIC_WRITE | DELETE | SYNCHRONIZE, &file.attributes, &status,
                   nullptr, FILE_ATTRIBUTE_NORMAL, 0, FILE_CREATE,
                   FILE_NON_DIRECTORY_FILE | FILE_SYNCHRONOUS_IO_NONALERT | FILE_OPEN_REPARSE_POINT,
                   nullptr, 0))) {
        return {};
    }
    return FileHandle(handle);
}

// NOTE: the native call, not SetFileInformationByHandle: the documented
// FILE_RENAME_INFO takes a name relative to RootDirectory, but Wine's
// SetFileInformationByHandle turns every name into a full path from the
// working folder first, and then fails.
bool MoveIntoFolder(HANDLE file, HANDLE folder, const std::wstring& name) {
    static const auto set = Native<decltype(NtSetInformationFile)>("NtSetInformationFile");
    const ULONG nameBytes = ULONG(name.size() * sizeof(wchar_t));
    std::vector<BYTE> buffer(sizeof(FILE_RENAME_INFORMATION) + nameBytes);
    auto* rename = reinterpret_cast<FILE_RENAME_INFORMATION*>(buffer.data());
    rename->ReplaceIfExists = TRUE;
    rename->RootDirectory = folder;
    rename->FileNameLength = nameBytes;
    std::memcpy(rename->FileName, name.data(), nameBytes);
    IO_STATUS_BLOCK status = {};
    return set &&
           NT_SUCCESS(set(file, &status, rename, ULONG(buffer.size()), FileRenameInformation));
}
