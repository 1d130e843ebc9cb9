// What Tesselune.scr carries besides its code, read from the built program the
// way Windows reads it: the version block, the icon, the manifest that makes
// it DPI-aware, and the preview's stills. TESSELUNE_SAVER names the program.
#include "saver_resources.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

class SaverProgram : public ::testing::Test {
  protected:
    void SetUp() override {
        const char* path = std::getenv("TESSELUNE_SAVER");
        ASSERT_NE(path, nullptr) << "TESSELUNE_SAVER is not set";
        path_ = path;
        module_ = LoadLibraryExA(path, nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module_, nullptr);
    }
    void TearDown() override {
        if (module_) FreeLibrary(module_);
    }

    std::string Resource(LPCSTR type, LPCSTR name) const {
        HRSRC resource = FindResourceA(module_, name, type);
        if (!resource) return {};
        HGLOBAL loaded = LoadResource(module_, resource);
        const char* data = static_cast<const char*>(LockResource(loaded));
        return data ? std::string(data, SizeofResource(module_, resource)) : std::string();
    }

    std::string path_;
    HMODULE module_ = nullptr;
};

TEST_F(SaverProgram, VersionBlockNamesTheProductAndVersion) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path_.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> block(size);
    ASSERT_TRUE(GetFileVersionInfoA(path_.c_str(), 0, size, block.data()));

    struct Translation {
        WORD language;
        WORD codePage;
    }* translation = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
    ASSERT_GE(length, sizeof(Translation));
    char prefix[64];
    wsprintfA(prefix, "\\StringFileInfo\\%04x%04x\\", translation->language, translation->codePage);

    auto value = [&](const char* name) {
        char* text = nullptr;
        UINT textLength = 0;
        const std::string query = std::string(prefix) + name;
        if (!VerQueryValueA(block.data(), query.c_str(), reinterpret_cast<void**>(&text),
                            &textLength)) {
            return std::string("(missing)");
        }
        return std::string(text);
    };
    EXPECT_EQ(value("FileVersion"), "1.00");
    EXPECT_EQ(value("ProductVersion"), "1.00");
    EXPECT_EQ(value("ProductName"), "Tesselune (ScreenSaver)");
    EXPECT_EQ(value("OriginalFilename"), "Tesselune.scr");

    VS_FIXEDFILEINFO* fixed = nullptr;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
}

TEST_F(SaverProgram, CarriesAnIconForExplorer) {
    HICON icon = static_cast<HICON>(
        LoadImageA(module_, MAKEINTRESOURCEA(IDI_TESSELUNE), IMAGE_ICON, 32, 32, 0));
    ASSERT_NE(icon, nullptr);
    ICONINFO info = {};
    EXPECT_TRUE(GetIconInfo(icon, &info));
    BITMAP colour = {};
    EXPECT_TRUE(GetObjectA(info.hbmColor, sizeof(colour), &colour));
    EXPECT_EQ(colour.bmWidth, 32);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
}

TEST_F(SaverProgram, DeclaresItselfDpiAware) {
    const std::string manifest = Resource(RT_MANIFEST, CREATEPROCESS_MANIFEST_RESOURCE_ID);
    ASSERT_FALSE(manifest.empty());
    EXPECT_NE(manifest.find(">true</dpiAware>"), std::string::npos) << manifest;
}

TEST_F(SaverProgram, StoresThePreviewStillsAsJpegData) {
    for (int id : {IDR_PREVIEW_BACKGROUND, IDR_PREVIEW_IMAGE}) {
        const std::string still = Resource(RT_RCDATA, MAKEINTRESOURCEA(id));
        ASSERT_GT(still.size(), 4u) << id;
        EXPECT_EQ(still.substr(0, 3), "\xFF\xD8\xFF") << id << ": not JPEG";
    }
}

}  // namespace
