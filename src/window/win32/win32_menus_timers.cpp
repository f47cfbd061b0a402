// Menu bars with greyed and checked items, and window timers.

#include "window/win32/win32_layer.h"

namespace fx {

void Win32Layer::attachMenuBar(WindowId id, std::span<const MenuSpec> menus) {
    Win32Window* window = find(id);
    if (!window) return;
    HMENU bar = CreateMenu();
    if (!bar) return;
    for (const MenuSpec& menu : menus) {
        HMENU dropDown = CreatePopupMenu();
        if (!dropDown) continue;
        for (const MenuItemSpec& item : menu.items) {
            UINT flags = MF_STRING;
            if (item.greyed) flags |= MF_GRAYED;
            if (item.checked) flags |= MF_CHECKED;
            AppendMenuA(dropDown, flags, static_cast<UINT_PTR>(item.id), item.text);
        }
        AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(dropDown), menu.title);
    }
    HMENU previous = GetMenu(window->handle);
    SetMenu(window->handle, bar);
    if (previous) DestroyMenu(previous);
    DrawMenuBar(window->handle);
}

void Win32Layer::setMenuItemChecked(WindowId id, int menuId, bool checked) {
    Win32Window* window = find(id);
    if (!window) return;
    if (HMENU bar = GetMenu(window->handle))
        CheckMenuItem(bar, static_cast<UINT>(menuId),
                      MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void Win32Layer::startTimer(WindowId id, int timerId, int periodMs) {
    // Setting a timer that runs already restarts its period.
    if (Win32Window* window = find(id))
        SetTimer(window->handle, static_cast<UINT_PTR>(timerId), static_cast<UINT>(periodMs),
                 nullptr);
}

void Win32Layer::stopTimer(WindowId id, int timerId) {
    if (Win32Window* window = find(id)) KillTimer(window->handle, static_cast<UINT_PTR>(timerId));
}

}  // namespace fx
