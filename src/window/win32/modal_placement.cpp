#include "window/win32/modal_placement.h"

#include <cstring>

#include "window/win32/placement.h"

namespace fx {

namespace {

// A hook procedure gets no parameter of its own, so the placement in force on this
// thread is found here. A box opened while another is open (a nested delivery) makes
// its own placement current and gives the outer one back when it closes.
thread_local ModalPlacement* currentPlacement = nullptr;

bool isDialogClass(HWND window) {
    char name[16] = "";
    GetClassNameA(window, name, sizeof name);
    return std::strcmp(name, "#32770") == 0;
}

}  // namespace

ModalPlacement::ModalPlacement(HWND owner, std::function<void(HWND)> onShown)
    : owner_(owner), onShown_(std::move(onShown)), outer_(currentPlacement) {
    currentPlacement = this;
    hook_ =
        SetWindowsHookExA(WH_CBT, &ModalPlacement::hookProcedure, nullptr, GetCurrentThreadId());
}

ModalPlacement::~ModalPlacement() {
    if (hook_) UnhookWindowsHookEx(hook_);
    currentPlacement = outer_;
}

LRESULT CALLBACK ModalPlacement::hookProcedure(int code, WPARAM wParam, LPARAM lParam) noexcept {
    ModalPlacement* placement = currentPlacement;
    HWND window = reinterpret_cast<HWND>(wParam);
    if (placement && code == HCBT_CREATEWND && !placement->dialog_) {
        const auto* create = reinterpret_cast<const CBT_CREATEWNDA*>(lParam);
        if (!(create->lpcs->style & WS_CHILD) && isDialogClass(window)) placement->dialog_ = window;
    } else if (placement && code == HCBT_ACTIVATE && window == placement->dialog_ &&
               !placement->placed_) {
        // By its activation the box has its final size.
        placement->placed_ = true;
        placement->place();
        if (placement->onShown_) placement->onShown_(window);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void ModalPlacement::place() const {
    RECT box;
    GetWindowRect(dialog_, &box);
    RECT over = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (owner_) GetWindowRect(owner_, &over);
    moveWindowTo(dialog_, keptInside(centredOver(box, over), workArea()));
}

}  // namespace fx
