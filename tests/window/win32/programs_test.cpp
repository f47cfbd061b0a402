// The three programs as built: each carries the program icon as resource 101 and a
// version record naming its variant, and imports nothing but Windows' own DLLs.

#include <gtest/gtest.h>

#include <string>

#include "win32_monitor.h"

namespace {

class ProgramsTest : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        path = std::string(FX_PROGRAM_DIR) + "/fxmonitor-" + GetParam() + ".exe";
        // Mapped as an image, but nothing of it runs and none of its imports is loaded.
        program = LoadLibraryExA(path.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
        ASSERT_NE(program, nullptr) << path;
    }
    void TearDown() override {
        if (program) FreeLibrary(program);
    }

    std::string path;
    HMODULE program = nullptr;
};

TEST_P(ProgramsTest, CarriesTheProgramIconAsResource101) {
    EXPECT_NE(FindResourceA(program, MAKEINTRESOURCEA(101), RT_GROUP_ICON), nullptr);
    EXPECT_NE(LoadIconA(program, MAKEINTRESOURCEA(101)), nullptr);
}

TEST_P(ProgramsTest, VersionRecordNamesTheVariantsProgram) {
    HRSRC found = FindResourceA(program, MAKEINTRESOURCEA(1), RT_VERSION);
    ASSERT_NE(found, nullptr);
    const auto* bytes = static_cast<const char*>(LockResource(LoadResource(program, found)));
    const std::string record(bytes, SizeofResource(program, found));
    // The record's texts are UTF-16.
    std::string expected;
    for (char c : "fxmonitor-" + std::string(GetParam()) + ".exe") expected += {c, '\0'};
    EXPECT_NE(record.find(expected), std::string::npos);
}

TEST_P(ProgramsTest, ImportsOnlyDllsOfWindowsItself) {
    const auto* base = reinterpret_cast<const BYTE*>(program);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    ASSERT_NE(imports.VirtualAddress, 0u);
    char systemFolder[MAX_PATH];
    GetSystemDirectoryA(systemFolder, MAX_PATH);
    int dlls = 0;
    for (const auto* entry =
             reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         entry->Name != 0; ++entry) {
        const std::string dll = reinterpret_cast<const char*>(base + entry->Name);
        ++dlls;
        // A MinGW runtime DLL (libstdc++, libgcc, libwinpthread) is not in that folder.
        const std::string inSystem = std::string(systemFolder) + "\\" + dll;
        EXPECT_NE(GetFileAttributesA(inSystem.c_str()), INVALID_FILE_ATTRIBUTES) << dll;
    }
    EXPECT_GE(dlls, 5);
}

INSTANTIATE_TEST_SUITE_P(EachVariant, ProgramsTest, ::testing::Values("17", "17b", "17c"));

}  // namespace
