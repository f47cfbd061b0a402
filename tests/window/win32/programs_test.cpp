// The three programs as built and as a trader starts them, from a working folder other
// than their own: history read from the working folder, real-time files from their own,
// exit code 0 after "Quit", after the close box and after a missing history file.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "running_program.h"
#include "win32_monitor.h"

namespace {

const char* const variants[] = {"17", "17b", "17c"};

std::string title(const std::string& variant) {
    return "Vantrel IA Monitor/Simulator (Original) v" + variant + " by Dorsan";
}

class ProgramRunTest : public ::testing::TestWithParam<const char*> {
protected:
    // Seven days of history and prices in the working folder; in the program's own folder
    // the program, empty history files and real-time files with EURUSD 50 pips up.
    void SetUp() override {
        const fx::Variant& variant = *fx::variantByName(GetParam());
        fxtest::writeMonitorData(working, variant, 7);
        fxtest::writeMonitorData(own, variant, 0, [&](int pair, int) {
            const std::string_view symbol = variant.pairTable[pair];
            return fxtest::typicalPrice(symbol) + (symbol == "EURUSD" ? 0.0050f : 0.0f);
        });
        CopyFileA(built.c_str(), own.pathOf("fxmonitor.exe").c_str(), FALSE);
    }
    // The main window once start-up has logged its first row, real-time mode switched on.
    HWND startInRealTime(const fxtest::RunningProgram& program) {
        HWND main = program.window(title(GetParam()));
        if (!main || !fxtest::waitFor([&] {
                return SendMessageA(GetDlgItem(main, 46), LVM_GETITEMCOUNT, 0, 0) > 0;
            }))
            return nullptr;
        SendMessageA(GetDlgItem(main, 3), CB_SETCURSEL, 0, 0);
        SendMessageA(main, WM_COMMAND, MAKEWPARAM(3, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(GetDlgItem(main, 3)));
        SendMessageA(GetDlgItem(main, 1), BM_SETCHECK, BST_CHECKED, 0);
        PostMessageA(main, WM_COMMAND, MAKEWPARAM(1, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(main, 1)));
        return main;
    }
    // The ranking of the real-time files shown: seven days, EURUSD 50 pips up in slot 1.
    static bool ranked(HWND main) {
        return SendMessageA(GetDlgItem(main, 3), CB_GETCOUNT, 0, 0) == 7 &&
               fxtest::waitFor([&] { return fxtest::windowText(GetDlgItem(main, 20)) == " 50"; }) &&
               fxtest::windowText(GetDlgItem(main, 5)) == "EURUSD";
    }
    // "Save Log", its "Complete" box answered; false without the box.
    static bool saveLog(const fxtest::RunningProgram& program, HWND main) {
        PostMessageA(main, WM_COMMAND, MAKEWPARAM(2, 0), 0);
        HWND complete = program.window("Complete");
        if (complete) fxtest::pressButton(complete, IDOK);
        return complete != nullptr;
    }
    const std::string built = std::string(FX_PROGRAM_DIR) + "/fxmonitor-" + GetParam() + ".exe";
    fxtest::TempFolder working;
    fxtest::TempFolder own;
};

TEST_P(ProgramRunTest, ReadsHistoryFromTheWorkingFolderRealTimeFromItsOwnAndEndsOnQuit) {
    fxtest::RunningProgram program(own.pathOf("fxmonitor.exe"), working.path());
    HWND main = startInRealTime(program);
    ASSERT_NE(main, nullptr) << "no window titled " << title(GetParam());
    EXPECT_TRUE(ranked(main));
    PostMessageA(main, WM_COMMAND, MAKEWPARAM(4, 0), 0);  // "Quit"
    EXPECT_EQ(program.exitCode(), 0u);
}

TEST_P(ProgramRunTest, EndsOnTheCloseBoxAndAfterAMissingHistoryFile) {
    {
        fxtest::RunningProgram program(own.pathOf("fxmonitor.exe"), working.path());
        HWND main = program.window(title(GetParam()));
        ASSERT_NE(main, nullptr);
        PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_EQ(program.exitCode(), 0u);
    }
    working.remove("EURUSD.csv");
    fxtest::RunningProgram program(own.pathOf("fxmonitor.exe"), working.path());
    HWND box = program.window("File opening error");
    ASSERT_NE(box, nullptr);
    fxtest::pressButton(box, IDOK);
    EXPECT_EQ(program.exitCode(), 0u);
}

// The rules below run the same in every program: one is enough.
class OneProgramTest : public ProgramRunTest {
protected:
    // A folder inside the working folder holding its data, named in Greek, which no
    // Western code page holds; empty when the code page holds it after all.
    std::filesystem::path foreignFolder() const {
        const wchar_t* name = L"\u0394\u03bf\u03ba\u03b9\u03bc\u03ae";  // "Dokime"
        BOOL lost = FALSE;
        WideCharToMultiByte(CP_ACP, 0, name, -1, nullptr, 0, nullptr, &lost);
        if (!lost) return {};
        const std::filesystem::path folder = std::filesystem::path(working.path()) / name;
        std::filesystem::create_directory(folder);
        for (const auto& entry : std::filesystem::directory_iterator(working.path()))
            if (entry.is_regular_file())
                std::filesystem::copy_file(entry.path(), folder / entry.path().filename());
        return folder;
    }
    static long savedLogs(const std::filesystem::path& folder) {
        return std::ranges::count_if(fxtest::namesIn(folder),
                                     [](auto& name) { return name.ends_with(".txt"); });
    }
};
INSTANTIATE_TEST_SUITE_P(V17b, OneProgramTest, ::testing::Values("17b"),
                         [](const auto&) { return std::string("v17b"); });

// Was: the start folder was taken in the code page's characters, so a folder named in
// another script came back with "?" in it, every history file failed to open and the
// program ended at start.
TEST_P(OneProgramTest, StartsRanksAndSavesInAFolderNamedOutsideTheCodePage) {
    const std::filesystem::path start = foreignFolder();
    ASSERT_FALSE(start.empty()) << "the code page holds the folder's name";
    fxtest::RunningProgram program(own.pathOf("fxmonitor.exe"), start);
    HWND main = startInRealTime(program);
    ASSERT_NE(main, nullptr) << "no window titled " << title(GetParam());
    EXPECT_TRUE(ranked(main));
    ASSERT_TRUE(saveLog(program, main));
    EXPECT_EQ(savedLogs(start), 1);
    PostMessageA(main, WM_COMMAND, MAKEWPARAM(4, 0), 0);  // "Quit"
    EXPECT_EQ(program.exitCode(), 0u);
}

// Was: the saved log went to whatever folder the sound-file dialog had left current.
TEST_P(OneProgramTest, SaveLogWritesIntoTheStartUpFolderAfterASoundWasChosenElsewhere) {
    fxtest::TempFolder sounds;
    sounds.write("ding.wav", "");
    const std::filesystem::path start = foreignFolder();
    ASSERT_FALSE(start.empty());
    fxtest::RunningProgram program(own.pathOf("fxmonitor.exe"), start);
    HWND main = program.window(title(GetParam()));
    ASSERT_NE(main, nullptr);
    SendMessageA(main, WM_COMMAND, MAKEWPARAM(35, 0), 0);  // "Sound/Alerts"
    HWND options = program.window("Sounds/Alert Options");
    ASSERT_NE(options, nullptr);
    SendMessageA(GetDlgItem(options, 6), BM_SETCHECK, BST_CHECKED, 0);
    PostMessageA(options, WM_COMMAND, MAKEWPARAM(6, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(options, 6)));
    HWND dialog = program.window("Select A Sound File");
    ASSERT_NE(dialog, nullptr);
    // As a user does: into the sounds' folder first, then the file.
    HWND name = fxtest::fileNameField(dialog);
    for (const std::string& typed : {sounds.path(), std::string("ding.wav")}) {
        SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed.c_str()));
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }
    ASSERT_TRUE(fxtest::waitFor([&] { return !IsWindow(dialog); }));
    ASSERT_TRUE(saveLog(program, main));
    EXPECT_EQ(savedLogs(start), 1);
    EXPECT_EQ(savedLogs(sounds.path()), 0);
}

// Was: a close request made while a "Not Found" box was open let the ticks of the same
// message pass open box after box.
TEST_P(OneProgramTest, ClosingDuringANotFoundBoxEndsTheProgram) {
    own.remove("GBPUSD_RT.csv");
    fxtest::RunningProgram program(own.pathOf("fxmonitor.exe"), working.path());
    HWND main = startInRealTime(program);
    ASSERT_NE(main, nullptr);
    HWND box = program.window("Not Found");
    ASSERT_NE(box, nullptr);
    PostMessageA(main, WM_CLOSE, 0, 0);  // the main window is disabled under its box
    fxtest::pressButton(box, IDOK);
    PostMessageA(main, WM_TIMER, 1, 0);  // a tick due in the same message pass
    EXPECT_EQ(program.exitCode(), 0u);
}

// Each program carries icon 101 and a version record naming it, and imports nothing but
// Windows' own DLLs (no MinGW runtime DLL).
TEST_P(ProgramRunTest, CarriesItsIconAndVersionRecordAndImportsOnlyWindowsDlls) {
    // Mapped as an image: nothing of it runs and none of its imports is loaded.
    HMODULE program = LoadLibraryExA(built.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
    ASSERT_NE(program, nullptr);
    const auto resource = [&](int id, LPCSTR type) {
        HRSRC found = FindResourceA(program, MAKEINTRESOURCEA(id), type);
        if (!found) return std::string();
        return std::string(static_cast<const char*>(LockResource(LoadResource(program, found))),
                           SizeofResource(program, found));
    };
    EXPECT_NE(LoadIconA(program, MAKEINTRESOURCEA(101)), nullptr);
    std::string name;  // the version record's texts are UTF-16
    for (char c : "fxmonitor-" + std::string(GetParam()) + ".exe") name += {c, '\0'};
    EXPECT_NE(resource(1, RT_VERSION).find(name), std::string::npos);
    // The buttons act on any notification they send, which is safe only without visual
    // styles: with them, hovering over "Buy" notifies and would open a basket.
    EXPECT_EQ(resource(1, RT_MANIFEST).find("Microsoft.Windows.Common-Controls"),
              std::string::npos);

    const auto* base = reinterpret_cast<const BYTE*>(program);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
        base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const DWORD imports =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    char systemFolder[MAX_PATH];
    GetSystemDirectoryA(systemFolder, MAX_PATH);
    for (const auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports);
         entry->Name != 0; ++entry) {
        const std::string dll = reinterpret_cast<const char*>(base + entry->Name);
        EXPECT_NE(GetFileAttributesA((std::string(systemFolder) + "\\" + dll).c_str()),
                  INVALID_FILE_ATTRIBUTES)
            << dll;
    }
    FreeLibrary(program);
}

INSTANTIATE_TEST_SUITE_P(EachProgram, ProgramRunTest, ::testing::ValuesIn(variants),
                         [](const auto& info) { return "v" + std::string(info.param); });

}  // namespace
