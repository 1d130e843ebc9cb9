#include "snapshot_file_win32.h"

#include "owned_handle_win32.h"
#include "snapshot_place_win32.h"

void MakeSnapshotFolder() {
    const std::wstring folder = SnapshotFolder();
    if (!folder.empty()) CreateDirectoryW(folder.c_str(), nullptr);
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

std::wstring TemporaryPathOf(const std::wstring& path) {
    return path + L".new";
}

bool ReplaceFileWhole(const std::wstring& path, const std::vector<std::uint8_t>& bytes,
                      FileWriter write) {
    if (path.empty()) return false;
    const std::wstring temporary = TemporaryPathOf(path);
    bool written = false;
    {
        // Shared with no one while it is being written.
        const OwnedHandle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr,
                                           CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) return false;
        // NOTE: on the disk before the move, or a power cut soon after it
        // could leave the new name holding nothing.
        written = write(file.Get(), bytes.data(), bytes.size()) && FlushFileBuffers(file.Get());
    }
    if (written && MoveFileExW(temporary.c_str(), path.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return true;
    }
    DeleteFileW(temporary.c_str());
    return false;
}
