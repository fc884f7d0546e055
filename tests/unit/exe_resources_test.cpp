// What Windows itself reads from the built quickfigure.exe: the application manifest the
// loader applies at start (execution level, the Windows versions it knows, DPI awareness)
// and the version information the file's properties show. The program is found beside
// this test program's folder and loaded as a data file, never run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "base/platform_win32.h"

#include "resources/version.h"
#include "shell/version_text.h"
#include "text/program_path.h"

namespace {

std::string ProgramFile() {
    std::string path = ProgramFolder() + QF_PROGRAM_FROM_TESTS;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

// The bytes of the program's RT_MANIFEST 1, or empty when it has none.
std::string ManifestText() {
    HMODULE module = LoadLibraryExA(ProgramFile().c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (module == nullptr) {
        return std::string();
    }
    std::string text;
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes != nullptr) {
        text.assign(static_cast<const char*>(bytes), SizeofResource(module, found));
    }
    FreeLibrary(module);
    return text;
}

// The program's whole version-information block, or empty when it has none.
std::vector<char> VersionBlock() {
    const std::string path = ProgramFile();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    std::vector<char> block(size);
    if (size == 0 || !GetFileVersionInfoA(path.c_str(), 0, size, block.data())) {
        block.clear();
    }
    return block;
}

// One value of the block, with its length in bytes (characters for strings); null when
// the block has no such value.
const void* QueryValue(std::vector<char>& block, const std::string& name, UINT& length) {
    void* value = nullptr;
    length = 0;
    if (block.empty() || !VerQueryValueA(block.data(), name.c_str(), &value, &length)) {
        return nullptr;
    }
    return value;
}

// A string of the US English, Unicode table, or "(none)".
std::string StringValue(std::vector<char>& block, const char* name) {
    UINT length = 0;
    const void* value =
        QueryValue(block, std::string("\\StringFileInfo\\040904B0\\") + name, length);
    if (value == nullptr || length == 0) {
        return "(none)";
    }
    const char* text = static_cast<const char*>(value);
    return std::string(text, strnlen(text, length));
}

} // namespace

TEST(ExeResources, TheManifestRunsAsInvokerAwareOfEachMonitorsDpiOnEveryKnownWindows) {
    const std::string manifest = ManifestText();
    ASSERT_FALSE(manifest.empty()) << "no manifest resource in " << ProgramFile();
    const char* expected[] = {
        "level=\"asInvoker\"",
        "uiAccess=\"false\"",
        ">PerMonitorV2, PerMonitor</dpiAwareness>",
        ">true/pm</dpiAware>",
        "http://schemas.microsoft.com/SMI/2016/WindowsSettings",
        "http://schemas.microsoft.com/SMI/2005/WindowsSettings",
        "{e2011457-1546-43c5-a5fe-008deee3d3f0}", // Vista
        "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", // 7
        "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}", // 8
        "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", // 8.1
        "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}", // 10 and 11
    };
    for (const char* text : expected) {
        EXPECT_NE(manifest.find(text), std::string::npos) << text;
    }
    EXPECT_EQ(manifest.rfind("<?xml", 0), 0u);
    EXPECT_NE(manifest.find("</assembly>"), std::string::npos);
}

TEST(ExeResources, TheVersionInformationNamesTheProductAndTheVersionTheGameShows) {
    std::vector<char> block = VersionBlock();
    ASSERT_FALSE(block.empty()) << "no version information in " << ProgramFile();

    UINT length = 0;
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(QueryValue(block, "\\", length));
    ASSERT_NE(fixed, nullptr);
    ASSERT_GE(length, sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS,
              static_cast<DWORD>(QF_VERSION_MAJOR << 16 | QF_VERSION_MINOR));
    EXPECT_EQ(fixed->dwFileVersionLS, 0u); // .0.0
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    EXPECT_EQ(StringValue(block, "ProductName"), "Quickfigure");
    EXPECT_EQ(StringValue(block, "CompanyName"), "Bramblewood Apps");
    EXPECT_EQ(StringValue(block, "OriginalFilename"), "quickfigure.exe");
    EXPECT_EQ(StringValue(block, "FileVersion"), QF_VERSION_TEXT);
    EXPECT_EQ(StringValue(block, "ProductVersion"), QF_VERSION_TEXT);
    // The options screen shows the same version as the file's properties.
    EXPECT_EQ("v" + StringValue(block, "FileVersion"),
              VersionText(QF_VERSION_MAJOR, QF_VERSION_MINOR));

    const auto* translation =
        static_cast<const WORD*>(QueryValue(block, "\\VarFileInfo\\Translation", length));
    ASSERT_NE(translation, nullptr);
    ASSERT_GE(length, 2 * sizeof(WORD));
    EXPECT_EQ(translation[0], 0x409);
    EXPECT_EQ(translation[1], 1200);
}
