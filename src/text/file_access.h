#pragma once
// The platform's file calls, in one small module with a POSIX and a Windows twin.
// Files read by the monitor are opened so that other programs may read and write
// them at the same time: the trading terminal keeps rewriting them.

#include <cstddef>
#include <cstdint>
#include <string>

namespace fx::platform {

using FileHandle = std::intptr_t;
inline constexpr FileHandle invalidFile = -1;

// Read-only, sequential, sharing reading and writing; the file must exist.
FileHandle openSharedForReading(const std::string& path);
// Creates or replaces the file, for reading and writing, shared with readers only.
FileHandle createForWriting(const std::string& path);
// Creates the file when it is missing; every write goes to its end. Shared with readers
// only.
FileHandle openForAppending(const std::string& path);
// Bytes read, 0 at the end of the file or on an error.
std::size_t readSome(FileHandle file, char* buffer, std::size_t size);
// True when every byte was written.
bool writeAll(FileHandle file, const char* data, std::size_t size);
// True when the file was closed without an error.
bool closeFile(FileHandle file);

// The process's current folder, ending with a path separator ("" when it cannot be read).
std::string currentFolder();

// While one lives, every write of its thread fails as on a full disk (the file itself
// is still created): how a test sees a failed write reported as failed, on any system.
class SimulatedWriteFailure {
public:
    SimulatedWriteFailure();
    ~SimulatedWriteFailure();
    SimulatedWriteFailure(const SimulatedWriteFailure&) = delete;
    SimulatedWriteFailure& operator=(const SimulatedWriteFailure&) = delete;
    static bool active();
};

}  // namespace fx::platform
