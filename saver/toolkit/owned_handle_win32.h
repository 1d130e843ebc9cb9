// One open handle of a file or folder, closed once when its owner goes.
#pragma once

#include <windows.h>

#include <utility>

class FileHandle {
  public:
    FileHandle() = default;
    // Takes what an open gave back; a failed one (null, or CreateFile's
    // INVALID_HANDLE_VALUE) leaves the owner empty.
    explicit FileHandle(HANDLE handle)
        : handle_(handle == INVALID_HANDLE_VALUE ? nullptr : handle) {}
    ~FileHandle() {
        if (handle_) CloseHandle(handle_);
    }
    FileHandle(FileHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    FileHandle& operator=(FileHandle&& other) noexcept {
        std::swap(handle_, other.handle_);
        return *this;
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    HANDLE Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

  private:
    HANDLE handle_ = nullptr;
};
