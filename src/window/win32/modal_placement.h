#pragma once
// Places a message box or the open-file dialog while it is being created: centred
// over its owner (over the screen when it has none), then moved back inside the
// work area. A creation hook is the only moment at which a message box can be moved
// before it shows.

#include <windows.h>

#include <functional>

namespace fx {

class ModalPlacement {
public:
    // Placement is in force from construction to destruction and takes the first
    // top-level dialog created on this thread meanwhile. onShown, if set, is called once
    // the dialog is placed and about to take input.
    ModalPlacement(HWND owner, std::function<void(HWND dialog)> onShown);
    ~ModalPlacement();
    ModalPlacement(const ModalPlacement&) = delete;
    ModalPlacement& operator=(const ModalPlacement&) = delete;

private:
    static LRESULT CALLBACK hookProcedure(int code, WPARAM wParam, LPARAM lParam) noexcept;
    void place() const;

    HWND owner_;
    std::function<void(HWND)> onShown_;
    HHOOK hook_ = nullptr;
    HWND dialog_ = nullptr;
    bool placed_ = false;
    ModalPlacement* outer_;
};

}  // namespace fx
