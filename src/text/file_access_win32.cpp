#include <windows.h>

#include "text/file_access.h"

namespace fx::platform {

namespace {

// The largest amount handed to one ReadFile or WriteFile call.
constexpr std::size_t maxTransfer = 1u << 30;

HANDLE handleOf(FileHandle file) { return reinterpret_cast<HANDLE>(file); }

FileHandle fileOf(HANDLE handle) {
    return handle == INVALID_HANDLE_VALUE ? invalidFile : reinterpret_cast<FileHandle>(handle);
}

}  // namespace

FileHandle openSharedForReading(const std::string& path) {
    // The trading terminal keeps rewriting the price files while we hold them open.
    return fileOf(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
}

FileHandle createForWriting(const std::filesystem::path& path) {
    return fileOf(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
}

FileHandle openForAppending(const std::string& path) {
    // Append access alone: Windows then puts every write at the end of the file.
    return fileOf(CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
}

std::size_t readSome(FileHandle file, char* buffer, std::size_t size) {
    if (file == invalidFile || size == 0) return 0;
    const DWORD wanted = static_cast<DWORD>(size < maxTransfer ? size : maxTransfer);
    DWORD got = 0;
    if (!ReadFile(handleOf(file), buffer, wanted, &got, nullptr)) return 0;
    return got;
}

bool writeAll(FileHandle file, const char* data, std::size_t size) {
    if (SimulatedWriteFailure::active()) return false;
    if (file == invalidFile) return false;
    while (size > 0) {
        const DWORD chunk = static_cast<DWORD>(size < maxTransfer ? size : maxTransfer);
        DWORD written = 0;
        if (!WriteFile(handleOf(file), data, chunk, &written, nullptr) || written == 0) {
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

bool closeFile(FileHandle file) {
    if (file == invalidFile) return false;
    return CloseHandle(handleOf(file)) != 0;
}

std::error_code moveOver(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING)) return {};
    return std::error_code(static_cast<int>(GetLastError()), std::system_category());
}

}  // namespace fx::platform
