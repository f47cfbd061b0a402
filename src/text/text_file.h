#pragma once
// Text files as the program reads and writes them: readLine and writeLine.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "text/file_access.h"

namespace fx {

// The readers keep at most this many characters of a line; the rest is skipped.
inline constexpr std::size_t maxLineLength = 255;

class InputTextFile {
public:
    InputTextFile() = default;
    explicit InputTextFile(const std::string& path) { open(path); }
    ~InputTextFile() { close(); }
    InputTextFile(const InputTextFile&) = delete;
    InputTextFile& operator=(const InputTextFile&) = delete;

    // Read-only and shared with readers and writers; false when it cannot be opened.
    bool open(const std::string& path);
    bool isOpen() const { return handle_ != platform::invalidFile; }
    void close();

    // Next byte, or -1 at the end of the file.
    int nextByte();
    // Next byte without taking it, or -1 at the end of the file.
    int peekByte();

private:
    // Takes a line's bytes a buffer fill at a time rather than byte by byte.
    friend bool readLine(InputTextFile& file, std::string& line);

    bool refill();
    platform::FileHandle handle_ = platform::invalidFile;
    std::array<char, 4096> buffer_{};
    std::size_t position_ = 0;
    std::size_t end_ = 0;
};

// The next line without its terminator (CR LF, lone CR or lone LF), cut to its first
// maxLineLength characters. False at the end of the file, with the line empty.
bool readLine(InputTextFile& file, std::string& line);

class OutputTextFile {
public:
    OutputTextFile() = default;
    ~OutputTextFile();
    OutputTextFile(const OutputTextFile&) = delete;
    OutputTextFile& operator=(const OutputTextFile&) = delete;

    // Creates or replaces the file; false when it cannot be created.
    bool create(const std::string& path);
    // Buffered: the bytes reach the file in large writes, not one call per line.
    void write(std::string_view bytes) {
        // A text that fits the buffer as it is, the usual case, is only copied.
        if (handle_ != platform::invalidFile && !failed_ &&
            pending_.size() + bytes.size() <= pending_.capacity()) {
            pending_.append(bytes);
            return;
        }
        writeThrough(bytes);
    }
    // Writes what is buffered and closes; false if any write or the close failed, or
    // when no file was open.
    bool close();

private:
    // Bytes collected before they are handed to the file in one write. Large, because
    // each write call to a big file evicts what the writer is reading from the caches
    // (a "Save Log" of 100,000 rows with 64 KiB writes takes a third longer).
    static constexpr std::size_t writeChunk = 1024 * 1024;

    void writeThrough(std::string_view bytes);
    bool flush();
    platform::FileHandle handle_ = platform::invalidFile;
    std::string pending_;
    bool failed_ = false;
};

// The text, then CR LF.
void writeLine(OutputTextFile& file, std::string_view text);

}  // namespace fx
