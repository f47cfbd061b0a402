#pragma once
// A built program run as a child process (POSIX), its stderr in a file when asked: how a
// test sends it a signal and reads its exit status.

#ifndef _WIN32
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace fxtest {

class ChildProcess {
public:
    ChildProcess(const std::string& program, std::vector<std::string> arguments,
                 const std::string& messagesPath = "") {
        arguments.insert(arguments.begin(), program);
        std::vector<char*> argv;
        for (std::string& argument : arguments) argv.push_back(argument.data());
        argv.push_back(nullptr);
        pid_ = ::fork();
        if (pid_ == 0) {
            const int messages =
                messagesPath.empty() ? -1 : ::open(messagesPath.c_str(), O_WRONLY | O_CREAT, 0644);
            if (messages >= 0) ::dup2(messages, 2);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
    }
    ~ChildProcess() {
        if (pid_ > 0 && !status_) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    void signal(int number) const { ::kill(pid_, number); }
    // The exit status once it has ended; nothing while it runs.
    std::optional<int> status() {
        int status = 0;
        if (!status_ && pid_ > 0 && ::waitpid(pid_, &status, WNOHANG) == pid_)
            status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        return status_;
    }
    // The exit status, or nothing if the process has not ended within the limit (a hang).
    std::optional<int> waitForExit(std::chrono::seconds limit) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (!status() && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        return status_;
    }

private:
    pid_t pid_ = -1;
    std::optional<int> status_;
};

}  // namespace fxtest
#endif
