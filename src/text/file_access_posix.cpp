#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>

#include "text/file_access.h"

namespace fx::platform {

namespace {

int descriptorOf(FileHandle file) { return static_cast<int>(file); }

FileHandle openRetrying(const std::string& path, int flags, mode_t mode) {
    int descriptor;
    do {
        descriptor = ::open(path.c_str(), flags | O_CLOEXEC, mode);
    } while (descriptor < 0 && errno == EINTR);
    return descriptor < 0 ? invalidFile : static_cast<FileHandle>(descriptor);
}

}  // namespace

FileHandle openSharedForReading(const std::string& path) {
    // POSIX has no share modes: other programs may always read and write the file.
    const FileHandle file = openRetrying(path, O_RDONLY, 0);
    if (file == invalidFile) return invalidFile;
    // A folder opens here but not on Windows; it is no file to read on either.
    struct stat status {};
    if (::fstat(descriptorOf(file), &status) != 0 || S_ISDIR(status.st_mode)) {
        ::close(descriptorOf(file));
        return invalidFile;
    }
    return file;
}

FileHandle createForWriting(const std::filesystem::path& path) {
    return openRetrying(path.native(), O_RDWR | O_CREAT | O_TRUNC, 0666);
}

FileHandle openForAppending(const std::string& path) {
    return openRetrying(path, O_WRONLY | O_CREAT | O_APPEND, 0666);
}

std::size_t readSome(FileHandle file, char* buffer, std::size_t size) {
    if (file == invalidFile || size == 0) return 0;
    if (size > static_cast<std::size_t>(SSIZE_MAX)) size = static_cast<std::size_t>(SSIZE_MAX);
    ssize_t got;
    do {
        got = ::read(descriptorOf(file), buffer, size);
    } while (got < 0 && errno == EINTR);
    return got < 0 ? 0 : static_cast<std::size_t>(got);
}

bool writeAll(FileHandle file, const char* data, std::size_t size) {
    if (SimulatedWriteFailure::active()) return false;
    if (file == invalidFile) return false;
    while (size > 0) {
        const std::size_t chunk =
            size > static_cast<std::size_t>(SSIZE_MAX) ? static_cast<std::size_t>(SSIZE_MAX) : size;
        const ssize_t written = ::write(descriptorOf(file), data, chunk);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (written == 0) return false;
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool closeFile(FileHandle file) {
    if (file == invalidFile) return false;
    // Never retried: after an interrupted close the descriptor is gone on Linux and
    // may already belong to another file. Whether the data arrived is then unknown,
    // so it counts as a failure.
    return ::close(descriptorOf(file)) == 0;
}

std::error_code moveOver(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (std::rename(from.c_str(), to.c_str()) == 0) return {};
    return std::error_code(errno, std::generic_category());
}

}  // namespace fx::platform
