#include <windows.h>

#include "feed/replace_file.h"

namespace fx::feed {

// The monitor opens its real-time files sharing reading and writing but not deleting.
// Renaming a new file over one would then fail while the monitor holds it, and the
// monitor's own open fails while a rename is under way, which it reports with a
// "Realtime file not found" box. So the new content is written over the old from the
// start in one write, and only then is the file cut to its length: the first line a
// reader finds is always a whole one, old or new.
bool replaceWholeFile(const std::filesystem::path& target, std::string_view content,
                      std::string& error) {
    const HANDLE file =
        CreateFileW(target.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error = target.filename().string() + " could not be opened for writing";
        return false;
    }
    DWORD written = 0;
    const bool done =
        WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
        written == content.size() && SetEndOfFile(file);
    if (!CloseHandle(file) || !done) {
        error = target.filename().string() + " could not be written";
        return false;
    }
    return true;
}

}  // namespace fx::feed
