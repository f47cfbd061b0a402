#pragma once
// A built program started in a working folder, its windows found by the process they
// belong to; ended by force if a test leaves it running.

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>

namespace fxtest {

class RunningProgram {
public:
    // The working folder in wide characters: its name may be in any script.
    RunningProgram(const std::string& commandLine, const std::filesystem::path& workingFolder) {
        std::wstring command(commandLine.size() + 1, L'\0');
        command.resize(MultiByteToWideChar(CP_ACP, 0, commandLine.c_str(), -1, command.data(),
                                           static_cast<int>(command.size())));
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           workingFolder.c_str(), &startup, &process_))
            CloseHandle(process_.hThread);
    }
    ~RunningProgram() {
        if (!process_.hProcess) return;
        if (WaitForSingleObject(process_.hProcess, 0) != WAIT_OBJECT_0)
            TerminateProcess(process_.hProcess, 99);
        CloseHandle(process_.hProcess);
    }
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    bool started() const { return process_.hProcess != nullptr; }
    // A visible top-level window of the process that fits, waited for up to 30 seconds.
    HWND window(const std::function<bool(HWND)>& fits) const {
        for (int wait = 0; wait < 300; ++wait) {
            for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
                DWORD owner = 0;
                GetWindowThreadProcessId(w, &owner);
                if (owner == process_.dwProcessId && IsWindowVisible(w) && fits(w)) return w;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return nullptr;
    }
    HWND window(const std::string& caption) const {
        return window([&](HWND w) {
            char text[256] = "";
            GetWindowTextA(w, text, sizeof text);
            return caption == text;
        });
    }
    // The exit code, or STILL_ACTIVE when the program has not ended within 20 seconds.
    DWORD exitCode() const {
        DWORD code = STILL_ACTIVE;
        if (WaitForSingleObject(process_.hProcess, 20000) == WAIT_OBJECT_0)
            GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }

private:
    PROCESS_INFORMATION process_ = {};
};

}  // namespace fxtest
