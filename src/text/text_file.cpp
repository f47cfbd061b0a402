#include "text/text_file.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <system_error>

namespace fx {

bool InputTextFile::open(const std::string& path) {
    close();
    handle_ = platform::openSharedForReading(path);
    return isOpen();
}

void InputTextFile::close() {
    if (isOpen()) platform::closeFile(handle_);
    handle_ = platform::invalidFile;
    position_ = 0;
    end_ = 0;
    skipLf_ = false;
    lastLineUnended_ = false;
}

bool InputTextFile::refill() {
    position_ = 0;
    end_ = platform::readSome(handle_, buffer_.get(), bufferSize_);
    return end_ > 0;
}

void InputTextFile::skipLineFeedAfterCarriageReturn() {
    if (!skipLf_) return;
    skipLf_ = false;
    if ((position_ < end_ || refill()) && buffer_[position_] == '\n') ++position_;
}

int InputTextFile::nextByte() {
    skipLineFeedAfterCarriageReturn();
    if (position_ == end_ && !refill()) return -1;
    return static_cast<unsigned char>(buffer_[position_++]);
}

int InputTextFile::peekByte() {
    skipLineFeedAfterCarriageReturn();
    if (position_ == end_ && !refill()) return -1;
    return static_cast<unsigned char>(buffer_[position_]);
}

std::optional<std::string_view> InputTextFile::nextLineAnyWay(std::size_t keep,
                                                              std::size_t* length) {
    // The inline path never follows an unended line: that line emptied the buffer.
    spanning_.clear();
    lastLineUnended_ = false;
    skipLineFeedAfterCarriageReturn();
    if (position_ == end_ && !refill()) return std::nullopt;
    std::size_t total = 0;
    while (true) {
        const char* const start = buffer_.get() + position_;
        const char* const end = buffer_.get() + end_;
        const char* const stop = lineEnd(start, end);
        const std::size_t piece = static_cast<std::size_t>(stop - start);
        total += piece;
        if (stop == end) {
            // The line goes on in the next fill; bytes past the kept ones are dropped, so
            // a line of any length costs no more memory than a short one.
            spanning_.append(start, std::min(piece, keep - spanning_.size()));
            if (!refill()) break;  // a last line without a terminator is still a line
            continue;
        }
        passLineEnd(*stop, piece);
        if (length) *length = total;
        if (total == piece) return std::string_view(start, std::min(piece, keep));
        spanning_.append(start, std::min(piece, keep - spanning_.size()));
        return std::string_view(spanning_);
    }
    lastLineUnended_ = true;
    if (length) *length = total;
    return std::string_view(spanning_);
}

bool readLine(InputTextFile& file, std::string& line) {
    const std::optional<std::string_view> read = file.nextLine(maxLineLength);
    if (!read) {
        line.clear();
        return false;
    }
    line.assign(*read);
    return true;
}

OutputTextFile::~OutputTextFile() { discard(); }

bool OutputTextFile::create(const std::filesystem::path& path) {
    discard();
    pending_.clear();
    failed_ = false;
    failure_.clear();
    path_ = path;
    temporary_ = path;
    temporary_ += ".tmp";
    handle_ = platform::createForWriting(temporary_);
    if (handle_ == platform::invalidFile) failure_ = "could not be created";
    return handle_ != platform::invalidFile;
}

void OutputTextFile::discard() {
    if (handle_ == platform::invalidFile) return;
    platform::closeFile(handle_);
    handle_ = platform::invalidFile;
    std::error_code ignored;
    std::filesystem::remove(temporary_, ignored);
}

void OutputTextFile::writeThrough(std::string_view bytes) {
    // After a failure the rest is dropped: the file is lost anyway and close() says so.
    if (handle_ == platform::invalidFile || failed_) {
        failed_ = true;
        return;
    }
    if (pending_.size() + bytes.size() > writeChunk && !flush()) return;
    if (bytes.size() >= writeChunk) {
        if (!platform::writeAll(handle_, bytes.data(), bytes.size())) failed_ = true;
        return;
    }
    // A file that outgrows the small buffer gets the whole chunk at once, rather than a
    // series of ever larger copies; a price file never needs it.
    pending_.reserve(writeChunk);
    pending_.append(bytes);
}

bool OutputTextFile::flush() {
    if (!pending_.empty() && !platform::writeAll(handle_, pending_.data(), pending_.size())) {
        failed_ = true;
    }
    pending_.clear();
    return !failed_;
}

bool OutputTextFile::close() {
    if (handle_ == platform::invalidFile) return false;
    flush();
    if (!platform::closeFile(handle_)) failed_ = true;
    handle_ = platform::invalidFile;
    std::error_code ignored;
    if (failed_) {
        failure_ = "could not be written";
        std::filesystem::remove(temporary_, ignored);
        return false;
    }
    if (const std::error_code moved = platform::moveOver(temporary_, path_)) {
        failure_ = "could not be put in place: " + moved.message();
        std::filesystem::remove(temporary_, ignored);
        return false;
    }
    return true;
}

void writeLine(OutputTextFile& file, std::string_view text) {
    file.write(text);
    file.write("\r\n");
}

}  // namespace fx
