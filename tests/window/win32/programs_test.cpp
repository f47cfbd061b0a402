// The three programs as built and as a trader starts them: each from a working folder
// other than its own, with its title, its history read from the working folder and its
// real-time files from its own folder, ending with exit code 0 after "Quit", after the
// close box and after a missing history file. Each carries the program icon and a
// version record, and imports nothing but Windows' own DLLs.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "win32_monitor.h"

namespace {

using fxtest::TempFolder;

struct ProgramCase {
    const char* variant;
    const char* title;
};

const ProgramCase programs[] = {
    {"17", "Vantrel IA Monitor/Simulator (Original) v17 by Dorsan"},
    {"17b", "Vantrel IA Monitor/Simulator (Original) v17b by Dorsan"},
    {"17c", "Vantrel IA Monitor/Simulator (Original) v17c by Dorsan"},
};

std::string programPath(const char* variant) {
    return std::string(FX_PROGRAM_DIR) + "/fxmonitor-" + variant + ".exe";
}

// A program started in a working folder; its windows found by the process they belong to.
class RunningProgram {
public:
    RunningProgram(const std::string& program, const std::string& workingFolder) {
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        std::string commandLine = "\"" + program + "\"";
        if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            workingFolder.c_str(), &startup, &process_))
            process_ = {};
        if (process_.hThread) CloseHandle(process_.hThread);
    }
    ~RunningProgram() {
        if (!process_.hProcess) return;
        if (WaitForSingleObject(process_.hProcess, 0) != WAIT_OBJECT_0) TerminateProcess(process_.hProcess, 99);
        CloseHandle(process_.hProcess);
    }
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    // The first visible top-level window of the process with this caption, or nothing.
    HWND window(const std::string& caption) {
        HWND found = nullptr;
        fxtest::waitFor([&] {
            found = nullptr;
            for (HWND w = GetTopWindow(nullptr); w && !found; w = GetWindow(w, GW_HWNDNEXT)) {
                DWORD owner = 0;
                GetWindowThreadProcessId(w, &owner);
                if (owner == process_.dwProcessId && IsWindowVisible(w) && fxtest::windowText(w) == caption)
                    found = w;
            }
            return found != nullptr;
        }, std::chrono::seconds(20));
        return found;
    }
    // The exit code, or 259 (still active) when it has not ended within 20 seconds.
    DWORD exitCode() {
        DWORD code = STILL_ACTIVE;
        if (WaitForSingleObject(process_.hProcess, 20000) == WAIT_OBJECT_0)
            GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }

private:
    PROCESS_INFORMATION process_ = {};
};

std::string text(HWND control) {
    char buffer[256] = "";
    SendMessageA(control, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

class ProgramRunTest : public ::testing::TestWithParam<ProgramCase> {
protected:
    // The working folder: seven days of history and start-up prices at the typical price.
    // The program's own folder: the program and real-time files with EURUSD 50 pips up.
    void SetUp() override {
        const fx::Variant* variant = fx::variantByName(GetParam().variant);
        for (int k = 0; k < fx::pairCount; ++k) {
            const std::string symbol(variant->pairTable[k]);
            const float price = fxtest::typicalPrice(symbol);
            std::string history;
            for (int day = 0; day < 7; ++day) history += fxtest::historyDate(day) + "," + std::to_string(price) + "\r\n";
            working.write(symbol + ".csv", history);
            working.write(symbol + "_RT.csv", std::to_string(price));
            own.write(symbol + "_RT.csv", std::to_string(symbol == "EURUSD" ? price + 0.0050f : price));
        }
        CopyFileA(programPath(GetParam().variant).c_str(), own.pathOf("fxmonitor.exe").c_str(), FALSE);
    }
    TempFolder working;
    TempFolder own;
};

TEST_P(ProgramRunTest, ReadsHistoryFromTheWorkingFolderRealTimeFromItsOwnAndEndsOnQuit) {
    RunningProgram program(own.pathOf("fxmonitor.exe"), working.path());
    HWND main = program.window(GetParam().title);
    ASSERT_NE(main, nullptr) << "no window titled " << GetParam().title;
    // Start-up ends with the first row of the log.
    ASSERT_TRUE(fxtest::waitFor([&] { return SendMessageA(GetDlgItem(main, 46), LVM_GETITEMCOUNT, 0, 0) > 0; }));
    HWND days = GetDlgItem(main, 3);
    EXPECT_EQ(SendMessageA(days, CB_GETCOUNT, 0, 0), 7);
    SendMessageA(days, CB_SETCURSEL, 0, 0);
    SendMessageA(main, WM_COMMAND, MAKEWPARAM(3, CBN_SELCHANGE), reinterpret_cast<LPARAM>(days));
    SendMessageA(GetDlgItem(main, 1), BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(main, WM_COMMAND, MAKEWPARAM(1, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(main, 1)));
    EXPECT_TRUE(fxtest::waitFor([&] { return text(GetDlgItem(main, 20)) == " 50"; }))
        << "slot 1 shows " << text(GetDlgItem(main, 5)) << text(GetDlgItem(main, 20));
    EXPECT_EQ(text(GetDlgItem(main, 5)), "EURUSD");
    PostMessageA(main, WM_COMMAND, MAKEWPARAM(4, 0), 0);  // "Quit"
    EXPECT_EQ(program.exitCode(), 0u);
}

TEST_P(ProgramRunTest, EndsOnTheCloseBoxAndAfterAMissingHistoryFile) {
    {
        RunningProgram program(own.pathOf("fxmonitor.exe"), working.path());
        HWND main = program.window(GetParam().title);
        ASSERT_NE(main, nullptr);
        PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_EQ(program.exitCode(), 0u);
    }
    working.remove("EURUSD.csv");
    RunningProgram program(own.pathOf("fxmonitor.exe"), working.path());
    HWND box = program.window("File opening error");
    ASSERT_NE(box, nullptr);
    fxtest::pressButton(box, IDOK);
    EXPECT_EQ(program.exitCode(), 0u);
}

INSTANTIATE_TEST_SUITE_P(EachProgram, ProgramRunTest, ::testing::ValuesIn(programs),
                         [](const auto& info) { return "v" + std::string(info.param.variant); });

class OneProgramTest : public ProgramRunTest {
protected:
    // Start-up ends with the first row of the log.
    HWND startedMainWindow(RunningProgram& program) {
        HWND main = program.window(GetParam().title);
        if (main) fxtest::waitFor([&] { return SendMessageA(GetDlgItem(main, 46), LVM_GETITEMCOUNT, 0, 0) > 0; });
        return main;
    }
    static void postClick(HWND window, int id) {
        SendMessageA(GetDlgItem(window, id), BM_SETCHECK, BST_CHECKED, 0);
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
    }
};

INSTANTIATE_TEST_SUITE_P(V17b, OneProgramTest, ::testing::Values(programs[1]),
                         [](const auto& info) { return "v" + std::string(info.param.variant); });

// Was: the saved log went to whatever folder the sound-file dialog had left current.
TEST_P(OneProgramTest, SaveLogWritesIntoTheStartUpFolderAfterASoundWasChosenElsewhere) {
    TempFolder sounds;
    sounds.write("ding.wav", "");
    RunningProgram program(own.pathOf("fxmonitor.exe"), working.path());
    HWND main = startedMainWindow(program);
    ASSERT_NE(main, nullptr);
    SendMessageA(main, WM_COMMAND, MAKEWPARAM(35, 0), 0);  // "Sound/Alerts"
    HWND options = program.window("Sounds/Alert Options");
    ASSERT_NE(options, nullptr);
    postClick(options, 6);
    HWND dialog = program.window("Select A Sound File");
    ASSERT_NE(dialog, nullptr);
    // As a user does: into the sounds' folder first, then the file.
    HWND name = GetDlgItem(dialog, cmb13) ? GetDlgItem(dialog, cmb13) : GetDlgItem(dialog, edt1);
    for (const std::string& typed : {sounds.path(), std::string("ding.wav")}) {
        SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed.c_str()));
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }
    ASSERT_TRUE(fxtest::waitFor([&] { return !IsWindow(dialog); }));
    PostMessageA(main, WM_COMMAND, MAKEWPARAM(2, 0), 0);  // "Save Log"
    HWND complete = program.window("Complete");
    ASSERT_NE(complete, nullptr);
    fxtest::pressButton(complete, IDOK);
    PostMessageA(main, WM_COMMAND, MAKEWPARAM(4, 0), 0);
    EXPECT_EQ(program.exitCode(), 0u);
    const auto savedLogs = [](const TempFolder& folder) {
        int count = 0;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
            count += entry.path().extension() == ".txt";
        return count;
    };
    EXPECT_EQ(savedLogs(working), 1);
    EXPECT_EQ(savedLogs(sounds), 0);
}

// Was: a close request made while a "Not Found" box was open let the ticks of the same
// message pass open box after box.
TEST_P(OneProgramTest, ClosingDuringANotFoundBoxEndsTheProgram) {
    own.remove("GBPUSD_RT.csv");
    RunningProgram program(own.pathOf("fxmonitor.exe"), working.path());
    HWND main = startedMainWindow(program);
    ASSERT_NE(main, nullptr);
    HWND days = GetDlgItem(main, 3);
    SendMessageA(days, CB_SETCURSEL, 0, 0);
    SendMessageA(main, WM_COMMAND, MAKEWPARAM(3, CBN_SELCHANGE), reinterpret_cast<LPARAM>(days));
    postClick(main, 1);
    HWND box = program.window("Not Found");
    ASSERT_NE(box, nullptr);
    PostMessageA(main, WM_CLOSE, 0, 0);  // the main window is disabled under its box
    // The box is answered, and a tick falls due in the same message pass.
    fxtest::pressButton(box, IDOK);
    PostMessageA(main, WM_TIMER, 1, 0);
    EXPECT_EQ(program.exitCode(), 0u);
}

class ProgramFileTest : public ::testing::TestWithParam<ProgramCase> {
protected:
    void SetUp() override {
        // Mapped as an image, but nothing of it runs and none of its imports is loaded.
        program = LoadLibraryExA(programPath(GetParam().variant).c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
        ASSERT_NE(program, nullptr);
    }
    void TearDown() override {
        if (program) FreeLibrary(program);
    }
    HMODULE program = nullptr;
};

TEST_P(ProgramFileTest, CarriesIcon101AVersionRecordAndImportsOnlyWindowsDlls) {
    EXPECT_NE(LoadIconA(program, MAKEINTRESOURCEA(101)), nullptr);
    HRSRC found = FindResourceA(program, MAKEINTRESOURCEA(1), RT_VERSION);
    ASSERT_NE(found, nullptr);
    const auto* bytes = static_cast<const char*>(LockResource(LoadResource(program, found)));
    const std::string record(bytes, SizeofResource(program, found));
    std::string name;  // the record's texts are UTF-16
    for (char c : "fxmonitor-" + std::string(GetParam().variant) + ".exe") name += {c, '\0'};
    EXPECT_NE(record.find(name), std::string::npos);

    // The buttons act on any notification they send, which is safe only without visual
    // styles: with them, merely hovering over "Buy" notifies and would open a basket. So no
    // program may carry a manifest that asks for the version 6 common controls.
    if (HRSRC manifest = FindResourceA(program, MAKEINTRESOURCEA(1), RT_MANIFEST)) {
        const auto* text = static_cast<const char*>(LockResource(LoadResource(program, manifest)));
        const std::string content(text, SizeofResource(program, manifest));
        EXPECT_EQ(content.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    }

    const auto* base = reinterpret_cast<const BYTE*>(program);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
        base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    char systemFolder[MAX_PATH];
    GetSystemDirectoryA(systemFolder, MAX_PATH);
    for (const auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         entry->Name != 0; ++entry) {
        // A MinGW runtime DLL (libstdc++, libgcc, libwinpthread) is not in that folder.
        const std::string dll = reinterpret_cast<const char*>(base + entry->Name);
        EXPECT_NE(GetFileAttributesA((std::string(systemFolder) + "\\" + dll).c_str()), INVALID_FILE_ATTRIBUTES)
            << dll;
    }
}

INSTANTIATE_TEST_SUITE_P(EachProgram, ProgramFileTest, ::testing::ValuesIn(programs),
                         [](const auto& info) { return "v" + std::string(info.param.variant); });

}  // namespace
