// The settings file through the platform's ANSI profile functions, and the
// settings loaded from the file beside the program.
#pragma once

#include "settings.h"

#include <optional>
#include <string>

// The key's value, cut to kProfileValueLimit bytes; empty when the file, the
// section or the key is missing.
std::string IniRead(const std::string& section, const std::string& key, const std::string& path);

// Writes value, empty or not, so the key always stays in the file; the
// platform's result goes to LastResult.
void IniWrite(const std::string& section, const std::string& key, const std::string& value,
              const std::string& path);

// A path as the settings file can hold it and give back: its bytes in the
// ANSI code page when they stand for exactly this path and fit in
// kProfileValueLimit; else those of its short (8.3) form, where the volume
// keeps one; else nothing.
std::optional<std::string> StorablePath(const std::wstring& path);

// The settings file beside the program, through the profile functions.
class ProfileSettingsFile final : public SettingsSource, public SettingsTarget {
  public:
    std::string ProgramFolder() const override;
    std::string IniRead(const std::string& section, const std::string& key,
                        const std::string& path) const override;
    void IniWrite(const std::string& section, const std::string& key, const std::string& value,
                  const std::string& path) override;
    bool FileExists(const std::string& path) const override;
};

// LoadSettings over the settings file beside the program.
void LoadSettings();
