#pragma once
// The platform's file calls, in one small module with a POSIX and a Windows twin.
// Files read by the monitor are opened so that other programs may read and write
// them at the same time: the trading terminal keeps rewriting them.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>

namespace fx::platform {

using FileHandle = std::intptr_t;
inline constexpr FileHandle invalidFile = -1;

// Read-only, sequential, sharing reading and writing; the file must exist.
FileHandle openSharedForReading(const std::string& path);
// Creates or replaces the file, for reading and writing, shared with readers only. The
// path is taken in the system's own characters (wide on Windows), so a folder named in
// any script works.
FileHandle createForWriting(const std::filesystem::path& path);
// Creates the file when it is missing; every write goes to its end. Shared with readers
// only.
FileHandle openForAppending(const std::string& path);
// Bytes read, 0 at the end of the file or on an error.
std::size_t readSome(FileHandle file, char* buffer, std::size_t size);
// True when every byte was written.
bool writeAll(FileHandle file, const char* data, std::size_t size);
// True when the file was closed without an error.
bool closeFile(FileHandle file);

// Puts the file `from` in the place of `to`, replacing any file of that name in one step:
// a reader finds the old file or the new one. Both must be in the same folder. Empty
// when it worked.
std::error_code moveOver(const std::filesystem::path& from, const std::filesystem::path& to);

// While one lives, every write of its thread fails as on a full disk (files are still
// created): how a test sees a failed write reported as failed, on any system.
class SimulatedWriteFailure {
public:
    SimulatedWriteFailure();
    ~SimulatedWriteFailure();
    SimulatedWriteFailure(const SimulatedWriteFailure&) = delete;
    SimulatedWriteFailure& operator=(const SimulatedWriteFailure&) = delete;
    static bool active();
};

}  // namespace fx::platform
