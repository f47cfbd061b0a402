#pragma once
// A fresh folder for one test, removed again at the end of it.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace fxtest {

// The names of the entries of a folder (its path may be in any script), sorted.
std::vector<std::string> namesIn(const std::filesystem::path& folder);

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's path, ending with a path separator.
    const std::string& path() const { return path_; }
    std::string pathOf(std::string_view name) const { return path_ + std::string(name); }
    // Writes the bytes exactly as given (no line-end conversion).
    void write(std::string_view name, std::string_view bytes) const;
    std::string read(std::string_view name) const;
    bool exists(std::string_view name) const;
    void remove(std::string_view name) const;

private:
    std::string path_;
};

}  // namespace fxtest
