#include "text/text_file.h"

namespace fx {

namespace {
// Bytes collected before they are handed to the file in one write.
constexpr std::size_t writeChunk = 64 * 1024;
}  // namespace

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
}

bool InputTextFile::refill() {
    position_ = 0;
    end_ = platform::readSome(handle_, buffer_.data(), buffer_.size());
    return end_ > 0;
}

int InputTextFile::nextByte() {
    if (position_ == end_ && !refill()) return -1;
    return static_cast<unsigned char>(buffer_[position_++]);
}

int InputTextFile::peekByte() {
    if (position_ == end_ && !refill()) return -1;
    return static_cast<unsigned char>(buffer_[position_]);
}

bool readLine(InputTextFile& file, std::string& line) {
    line.clear();
    int byte = file.nextByte();
    if (byte < 0) return false;
    // Bytes past the kept characters are read and dropped, so a line of any length
    // costs no more memory than a short one.
    while (byte >= 0 && byte != '\r' && byte != '\n') {
        if (line.size() < maxLineLength) line.push_back(static_cast<char>(byte));
        byte = file.nextByte();
    }
    if (byte == '\r' && file.peekByte() == '\n') file.nextByte();
    return true;
}

OutputTextFile::~OutputTextFile() { close(); }

bool OutputTextFile::create(const std::string& path) {
    if (handle_ != platform::invalidFile) close();
    pending_.clear();
    failed_ = false;
    handle_ = platform::createForWriting(path);
    return handle_ != platform::invalidFile;
}

void OutputTextFile::write(std::string_view bytes) {
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
    return !failed_;
}

void writeLine(OutputTextFile& file, std::string_view text) {
    file.write(text);
    file.write("\r\n");
}

}  // namespace fx
