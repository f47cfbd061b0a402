#pragma once
// What the fuzz targets share: a scratch file to hand bytes to the file readers, a
// plain model of how a text splits into lines, and a check that stops the run with a
// message (libFuzzer then keeps the input that broke it).

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fxfuzz {

// The bytes a fuzz target was given.
inline std::string_view bytesOf(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Aborts with the message when the condition is false.
void check(bool condition, const char* what);

// One file per process, rewritten for every input and removed at exit.
class ScratchFile {
public:
    explicit ScratchFile(std::string_view name);
    ~ScratchFile();
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const std::string& path() const { return path_; }
    void write(std::string_view bytes) const;

private:
    std::string path_;
};

// The lines of a text: CR LF, a lone CR and a lone LF each end a line; a last line
// without a terminator still counts; each line is cut to its first `keep` bytes.
std::vector<std::string> linesOf(std::string_view bytes, std::size_t keep);

}  // namespace fxfuzz
