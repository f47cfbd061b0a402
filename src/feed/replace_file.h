#pragma once
// Replacing a real-time file's whole content so that a reader, at every moment, finds
// either the old first line or the new one. Each platform has its own way (twins in
// replace_file_posix.cpp and replace_file_win32.cpp).

#include <filesystem>
#include <string>
#include <string_view>

namespace fx::feed {

bool replaceWholeFile(const std::filesystem::path& target, std::string_view content,
                      std::string& error);

}  // namespace fx::feed
