#pragma once
// Replacing the whole content of a small file that other programs keep opening and
// reading (a real-time price file, read by the monitor every second), so that a reader,
// at every moment, finds either the old content or the new one, never half of it. Each
// platform has its own way (twins in shared_file_posix.cpp and shared_file_win32.cpp).

#include <filesystem>
#include <string>
#include <string_view>

namespace fx {

// False, with `failure` set for a message after the file's name ("could not be
// written"), when the content could not be put in place.
bool replaceSharedFile(const std::filesystem::path& target, std::string_view content,
                       std::string& failure);

}  // namespace fx
