#include "temp_folder_win32.h"

#include <windows.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace {

void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA entry;
    const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = entry.cFileName;
            if (name == "." || name == "..") continue;
            const std::string path = folder + "\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path);
            } else {
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(search, &entry));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

}  // namespace

TempFolder::TempFolder() {
    char temp[MAX_PATH + 1] = {};
    if (GetTempPathA(sizeof temp, temp) == 0) throw std::runtime_error("no temporary folder");
    static unsigned sequence = 0;
    for (;;) {
        path_ = std::string(temp) + "tesselune-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(++sequence);
        if (CreateDirectoryA(path_.c_str(), nullptr)) return;
        if (GetLastError() != ERROR_ALREADY_EXISTS)
            throw std::runtime_error("cannot make " + path_);
    }
}

TempFolder::~TempFolder() {
    RemoveTree(path_);
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file) throw std::runtime_error("cannot write " + path);
}

std::string ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool PathExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string WhyNoJapaneseFileNames(const TempFolder& folder) {
    if (GetACP() != 932) {
        return "the ANSI code page is " + std::to_string(GetACP()) +
               ", not 932: the Japanese locale did not take effect";
    }
    const std::string probe = folder / "\x83\x41";  // "ア"
    if (!CreateDirectoryA(probe.c_str(), nullptr)) {
        return "no folder with a Japanese name could be made (error " +
               std::to_string(GetLastError()) + ")";
    }
    RemoveDirectoryA(probe.c_str());
    return {};
}
