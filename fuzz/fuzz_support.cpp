#include "fuzz_support.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

namespace fxfuzz {

void check(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

ScratchFile::ScratchFile(std::string_view name) {
    // A random part keeps parallel fuzzing jobs and test runs apart.
    std::random_device random;
    const auto folder = std::filesystem::temp_directory_path();
    path_ = (folder / ("fxfuzz-" + std::to_string(random()) + "-" + std::string(name))).string();
}

ScratchFile::~ScratchFile() {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
}

void ScratchFile::write(std::string_view bytes) const {
    std::ofstream out(path_, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    check(!out.fail(), "the scratch file could not be written");
}

std::vector<std::string> linesOf(std::string_view bytes, std::size_t keep) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < bytes.size()) {
        std::size_t end = at;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') ++end;
        lines.emplace_back(bytes.substr(at, std::min(end - at, keep)));
        if (end < bytes.size() && bytes[end] == '\r' && end + 1 < bytes.size() &&
            bytes[end + 1] == '\n')
            ++end;
        at = end + 1;
    }
    return lines;
}

}  // namespace fxfuzz
