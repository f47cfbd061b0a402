// Sounds, started asynchronously; a sound cuts off the previous one, and a file that
// cannot be played is silent (no default sound).

#include "window/win32/win32_api.h"
#include "window/win32/win32_layer.h"

namespace fx {

void Win32Layer::playSound(std::string_view fileName) {
    lastSound_ = std::string(fileName);
    ++soundsStarted_;
    PlaySoundA(lastSound_.c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
}

}  // namespace fx
