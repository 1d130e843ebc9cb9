#include "path_routines_win32.h"

#include "handover.h"
#include "path_routines.h"

#include <windows.h>

namespace {

// Program paths are at most 32767 characters; the buffer grows up to this.
constexpr std::size_t kLongestModulePath = 65536;

// NOTE: without SEM_FAILCRITICALERRORS, opening a file on a drive without
// its medium (a music file on a disc since taken out) makes Windows ask the
// user for the disc, and the saver would hang behind that question.
class CriticalErrorsFail {
  public:
    CriticalErrorsFail() : previous_(SetErrorMode(SEM_FAILCRITICALERRORS)) {
        SetErrorMode(previous_ | SEM_FAILCRITICALERRORS);
    }
    ~CriticalErrorsFail() { SetErrorMode(previous_); }
    CriticalErrorsFail(const CriticalErrorsFail&) = delete;
    CriticalErrorsFail& operator=(const CriticalErrorsFail&) = delete;

  private:
    UINT previous_;
};

}  // namespace

bool FileExists(const std::string& path) {
    const std::string target(WithoutTrailingSeparator(path));
    const DWORD callersError = GetLastError();
    HANDLE file = INVALID_HANDLE_VALUE;
    {
        const CriticalErrorsFail quiet;
        file = CreateFileA(target.c_str(), GENERIC_READ,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    const bool opened = file != INVALID_HANDLE_VALUE;
    if (opened) CloseHandle(file);
    SetLastError(callersError);
    return opened;
}

std::string ProgramFolder() {
    std::string modulePath(MAX_PATH, '\0');
    while (modulePath.size() <= kLongestModulePath) {
        const DWORD length =
            GetModuleFileNameA(nullptr, modulePath.data(), static_cast<DWORD>(modulePath.size()));
        if (length == 0) return std::string();
        if (length < modulePath.size()) {
            modulePath.resize(length);
            return ProgramFolderOf(modulePath);
        }
        modulePath.resize(modulePath.size() * 2);
    }
    return std::string();
}

std::string ViewerPath() {
    return ProgramFolder() + "\\" + kViewerProgramName;
}
