#pragma once
// Text files as the program reads and writes them: readLine and writeLine.

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/file_access.h"

namespace fx {

// The readers keep at most this many characters of a line; the rest is skipped.
inline constexpr std::size_t maxLineLength = 255;

class InputTextFile {
public:
    // The buffer takes the file a fill at a time; a reader of long files wants a larger one.
    explicit InputTextFile(std::size_t bufferSize = 4096)
        : buffer_(std::make_unique_for_overwrite<char[]>(bufferSize)), bufferSize_(bufferSize) {}
    explicit InputTextFile(const std::string& path) : InputTextFile() { open(path); }
    ~InputTextFile() { close(); }
    InputTextFile(const InputTextFile&) = delete;
    InputTextFile& operator=(const InputTextFile&) = delete;

    // Read-only and shared with readers and writers; false when it cannot be opened.
    bool open(const std::string& path);
    bool isOpen() const { return handle_ != platform::invalidFile; }
    void close();

    // The next line without its terminator (CR LF, lone CR or lone LF), or nothing at the
    // end of the file. At most `keep` characters are kept, the rest of the line is read
    // and dropped; `length`, when given, receives the whole line's length. The view stays
    // valid until the next read: a line within one buffer fill is not copied at all.
    std::optional<std::string_view> nextLine(std::size_t keep, std::size_t* length = nullptr) {
        // Inline for the usual line, whole inside the buffer: a history file is some 500
        // short lines, and the call would cost as much as finding the line's end.
        if (!skipLf_ && position_ < end_) {
            const char* const start = buffer_.get() + position_;
            const char* const end = buffer_.get() + end_;
            const char* const stop = lineEnd(start, end);
            if (stop != end) {
                const std::size_t piece = static_cast<std::size_t>(stop - start);
                passLineEnd(*stop, piece);
                if (length) *length = piece;
                return std::string_view(start, std::min(piece, keep));
            }
        }
        return nextLineAnyWay(keep, length);
    }

    // Whether the line nextLine gave last ran to the end of the file without a line end.
    bool lastLineUnended() const { return lastLineUnended_; }

    // Next byte, or -1 at the end of the file.
    int nextByte();
    // Next byte without taking it, or -1 at the end of the file.
    int peekByte();

private:
    // The first CR or LF in [from, end), or end. Eight bytes are tested at a time: a word
    // holds a CR or an LF exactly when its bytes XOR CR, or XOR LF, hold a zero byte.
    // `make bench`'s loadHistory takes about 1.4 times as long with the byte loop alone.
    static const char* lineEnd(const char* from, const char* end) {
        constexpr std::uint64_t ones = 0x0101010101010101u;
        constexpr std::uint64_t highs = 0x8080808080808080u;
        while (end - from >= 8) {
            std::uint64_t word;
            std::memcpy(&word, from, sizeof word);
            const std::uint64_t cr = word ^ (ones * '\r');
            const std::uint64_t lf = word ^ (ones * '\n');
            const std::uint64_t found = (((cr - ones) & ~cr) | ((lf - ones) & ~lf)) & highs;
            // Only a byte above a true find can be marked falsely, so the lowest mark is the
            // first CR or LF: in memory order that is the lowest byte of a little-endian word.
            if (found && std::endian::native == std::endian::little)
                return from + std::countr_zero(found) / 8;
            if (found) break;
            from += 8;
        }
        while (from != end && *from != '\r' && *from != '\n') ++from;
        return from;
    }
    // Moves past a line of `piece` characters and its end: a CR takes an LF right after
    // it along, or leaves it to be skipped when the fill ends between the two.
    void passLineEnd(char terminator, std::size_t piece) {
        position_ += piece + 1;
        if (terminator != '\r') return;
        if (position_ == end_)
            skipLf_ = true;
        else if (buffer_[position_] == '\n')
            ++position_;
    }
    // nextLine for every other case: a line across buffer fills, an LF still to skip.
    std::optional<std::string_view> nextLineAnyWay(std::size_t keep, std::size_t* length);
    bool refill();
    // A CR ended the last line at the end of a fill: an LF right after it belongs to it.
    void skipLineFeedAfterCarriageReturn();

    platform::FileHandle handle_ = platform::invalidFile;
    std::unique_ptr<char[]> buffer_;  // not cleared first: a file is opened every second
    std::size_t bufferSize_;
    std::size_t position_ = 0;
    std::size_t end_ = 0;
    bool skipLf_ = false;
    bool lastLineUnended_ = false;
    std::string spanning_;  // a line that runs across buffer fills
};

// The next line without its terminator (CR LF, lone CR or lone LF), cut to its first
// maxLineLength characters. False at the end of the file, with the line empty.
bool readLine(InputTextFile& file, std::string& line);

// A file written whole or not at all: the bytes go to a temporary file beside it (its
// name and ".tmp"), which takes the file's place only once every byte is written. Until
// then, and after any failure, a file of that name keeps what it held, and no partial
// file is left behind. The one way the program writes a file.
class OutputTextFile {
public:
    OutputTextFile() = default;
    // A file not closed is discarded: its temporary file goes, the old file stays.
    ~OutputTextFile();
    OutputTextFile(const OutputTextFile&) = delete;
    OutputTextFile& operator=(const OutputTextFile&) = delete;

    // Starts the file; false when its temporary file cannot be created.
    bool create(const std::filesystem::path& path);
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
    // Writes what is buffered, closes, and puts the file in place of any file of its
    // name. False if any write, the close or the replacing failed, or when no file was
    // started; failure() then says which.
    bool close();
    // What went wrong, for a message after the file's name: "could not be created",
    // "could not be written", "could not be put in place: ...". Empty when nothing did.
    const std::string& failure() const { return failure_; }

private:
    // Bytes collected before they are handed to the file in one write. Large, because
    // each write call to a big file evicts what the writer is reading from the caches
    // (a "Save Log" of 100,000 rows with 64 KiB writes takes a third longer).
    static constexpr std::size_t writeChunk = 1024 * 1024;

    void writeThrough(std::string_view bytes);
    bool flush();
    // Closes and removes the temporary file.
    void discard();
    platform::FileHandle handle_ = platform::invalidFile;
    std::filesystem::path path_;
    std::filesystem::path temporary_;
    std::string pending_;
    bool failed_ = false;
    std::string failure_;
};

// The text, then CR LF.
void writeLine(OutputTextFile& file, std::string_view text);

}  // namespace fx
