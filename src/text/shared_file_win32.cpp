#include <windows.h>

#include "text/shared_file.h"

namespace fx {

// A reader that opens the file sharing reading and writing but not deleting, as the
// monitor opens its real-time files, makes renaming a new file over it fail while it
// holds it; and its own open fails while a rename is under way, which the monitor
// reports with a "Realtime file not found" box. So the new content is written over the old from the
// start in one write, and only then is the file cut to its length: the first line a
// reader finds is always a whole one, old or new.
bool replaceSharedFile(const std::filesystem::path& target, std::string_view content,
                       std::string& failure) {
    const HANDLE file =
        CreateFileW(target.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        failure = "could not be opened for writing";
        return false;
    }
    DWORD written = 0;
    const bool done =
        WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
        written == content.size() && SetEndOfFile(file);
    if (!CloseHandle(file) || !done) {
        failure = "could not be written";
        return false;
    }
    return true;
}

}  // namespace fx
