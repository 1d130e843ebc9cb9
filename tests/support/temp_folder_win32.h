// A fresh folder under the Windows temporary folder, removed with everything
// in it when the object goes; and whole-file reads and writes of raw bytes.
#pragma once

#include <string>

class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's path, without a trailing separator.
    const std::string& Path() const { return path_; }

    // The path of name inside the folder.
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

  private:
    std::string path_;
};

void WriteBytes(const std::string& path, const std::string& bytes);

// The file's bytes; empty when it cannot be read.
std::string ReadBytes(const std::string& path);

bool PathExists(const std::string& path);

// Why Japanese file names cannot be made through the ANSI functions here, or
// empty when they can: code page 932 must be the ANSI code page, and (under
// Wine) the host's locale must let such names reach the disk.
std::string WhyNoJapaneseFileNames(const TempFolder& folder);
