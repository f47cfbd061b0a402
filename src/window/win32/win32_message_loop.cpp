// One pass of the message loop: wait for a message, then dispatch every queued one.

#include "window/win32/win32_layer.h"

namespace fx {

bool Win32Layer::runMessagePass() {
    MSG message;
    if (GetMessageA(&message, nullptr, 0, 0) <= 0) return false;
    do {
        if (message.message == WM_QUIT) return false;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    } while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
    return true;
}

}  // namespace fx
