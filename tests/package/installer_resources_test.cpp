// What the installer declares, read the way Windows reads it: the same version
// as the saver it carries, and no request for administrator rights.
// TESSELUNE_INSTALLER and TESSELUNE_SAVER name the two programs.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct VersionBlock {
    std::string fileVersion;
    std::string productVersion;
    DWORD fixedFileVersionMS = 0;
    DWORD fixedFileVersionLS = 0;
    DWORD fixedProductVersionMS = 0;
    DWORD fixedProductVersionLS = 0;
};

// The first translation's strings and the fixed block; empty when missing.
VersionBlock ReadVersionBlock(const char* path) {
    VersionBlock version;
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
    if (size == 0) return version;
    std::vector<char> block(size);
    if (!GetFileVersionInfoA(path, 0, size, block.data())) return version;

    struct Translation {
        WORD language;
        WORD codePage;
    }* translation = nullptr;
    UINT length = 0;
    if (VerQueryValueA(block.data(), "\\VarFileInfo\\Translation",
                       reinterpret_cast<void**>(&translation), &length) &&
        length >= sizeof(Translation)) {
        auto value = [&](const char* name) {
            char query[96];
            wsprintfA(query, "\\StringFileInfo\\%04x%04x\\%s", translation->language,
                      translation->codePage, name);
            char* text = nullptr;
            UINT textLength = 0;
            return VerQueryValueA(block.data(), query, reinterpret_cast<void**>(&text), &textLength)
                       ? std::string(text)
                       : std::string();
        };
        version.fileVersion = value("FileVersion");
        version.productVersion = value("ProductVersion");
    }

    VS_FIXEDFILEINFO* fixed = nullptr;
    if (VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length)) {
        version.fixedFileVersionMS = fixed->dwFileVersionMS;
        version.fixedFileVersionLS = fixed->dwFileVersionLS;
        version.fixedProductVersionMS = fixed->dwProductVersionMS;
        version.fixedProductVersionLS = fixed->dwProductVersionLS;
    }
    return version;
}

const char* Program(const char* variable) {
    const char* path = std::getenv(variable);
    return path ? path : "";
}

TEST(Installer, CarriesTheVersionOfTheSaver) {
    const VersionBlock saver = ReadVersionBlock(Program("TESSELUNE_SAVER"));
    const VersionBlock installer = ReadVersionBlock(Program("TESSELUNE_INSTALLER"));
    ASSERT_EQ(saver.fileVersion, "1.00");
    EXPECT_EQ(installer.fileVersion, saver.fileVersion);
    EXPECT_EQ(installer.productVersion, saver.productVersion);
    EXPECT_EQ(installer.fixedFileVersionMS, saver.fixedFileVersionMS);
    EXPECT_EQ(installer.fixedFileVersionLS, saver.fixedFileVersionLS);
    EXPECT_EQ(installer.fixedProductVersionMS, saver.fixedProductVersionMS);
    EXPECT_EQ(installer.fixedProductVersionLS, saver.fixedProductVersionLS);
}

TEST(Installer, RunsWithTheUsersOwnRights) {
    HMODULE module = LoadLibraryExA(Program("TESSELUNE_INSTALLER"), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr);
    HRSRC resource = FindResourceA(module, CREATEPROCESS_MANIFEST_RESOURCE_ID, RT_MANIFEST);
    ASSERT_NE(resource, nullptr);
    const char* data = static_cast<const char*>(LockResource(LoadResource(module, resource)));
    const std::string manifest(data, SizeofResource(module, resource));
    FreeLibrary(module);
    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos) << manifest;
}

}  // namespace
