// The window procedure of every window of the layer: each message becomes one
// WindowEvent for the window's handler, then the default processing follows, with
// painting and control colours done here.

#include "window/win32/win32_layer.h"

namespace fx {

namespace {

// The drop-down list's notification passes through unchanged.
static_assert(CBN_SELCHANGE == selectionChangedCode);

WindowEvent eventFor(UINT message, WPARAM wParam, LPARAM lParam) {
    WindowEvent event;
    switch (message) {
        case WM_CLOSE:
            event.kind = EventKind::CloseRequest;
            break;
        case WM_COMMAND:
            // A menu choice (or accelerator) carries no control; the same number from a
            // control is a different thing.
            if (lParam == 0) {
                event.kind = EventKind::MenuCommand;
                event.menuId = LOWORD(wParam);
            } else {
                event.kind = EventKind::ControlNotify;
                event.controlId = LOWORD(wParam);
                event.notifyCode = HIWORD(wParam);
            }
            break;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            event.kind = EventKind::ControlNotify;
            event.controlId = static_cast<int>(header->idFrom);
            event.notifyCode = static_cast<int>(header->code);
            break;
        }
        case WM_TIMER:
            event.kind = EventKind::TimerTick;
            event.timerId = static_cast<int>(wParam);
            break;
        default:
            break;
    }
    return event;
}

bool isControlColourMessage(UINT message) {
    return message == WM_CTLCOLORSTATIC || message == WM_CTLCOLOREDIT ||
           message == WM_CTLCOLORBTN || message == WM_CTLCOLORLISTBOX;
}

}  // namespace

// Declared noexcept so that an exception can never unwind through the system's frames.
LRESULT CALLBACK Win32Layer::windowProcedure(HWND handle, UINT message, WPARAM wParam,
                                             LPARAM lParam) noexcept {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(handle, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* window = reinterpret_cast<Win32Window*>(GetWindowLongPtrA(handle, GWLP_USERDATA));
    if (!window) return DefWindowProcA(handle, message, wParam, lParam);
    if (window->handler) {
        // A copy per delivery: a delivery nested inside this one (while a modal box of
        // the handler is open) has its own event and cannot change this one.
        const WindowEvent event = eventFor(message, wParam, lParam);
        EventHandler handler = window->handler;
        handler(event);
    }
    return window->layer->afterHandler(*window, handle, message, wParam, lParam);
}

LRESULT Win32Layer::afterHandler(Win32Window& window, HWND handle, UINT message, WPARAM wParam,
                                 LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
            // Only the handler's reaction and the end of the program close a window.
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the paint routine fills the background
        case WM_PAINT: {
            PAINTSTRUCT paintStruct;
            HDC dc = BeginPaint(handle, &paintStruct);
            paint(window, dc, paintStruct.rcPaint);
            EndPaint(handle, &paintStruct);
            return 0;
        }
        case WM_PRINTCLIENT: {
            RECT client;
            GetClientRect(handle, &client);
            paint(window, reinterpret_cast<HDC>(wParam), client);
            return 0;
        }
        case WM_LBUTTONDOWN:
            // A click gives the window the keyboard focus and makes it the active window.
            SetFocus(handle);
            break;
        default:
            if (isControlColourMessage(message))
                return controlColours(window, handle, message, wParam, lParam);
            break;
    }
    return DefWindowProcA(handle, message, wParam, lParam);
}

void Win32Layer::paint(const Win32Window& window, HDC dc, const RECT& damaged) {
    FillRect(dc, &damaged, gdi_.brush(window.background));
    const RECT imageArea = {0, 0, window.image.size.width, window.image.size.height};
    RECT part;
    if (window.image.dc && IntersectRect(&part, &damaged, &imageArea))
        BitBlt(dc, part.left, part.top, part.right - part.left, part.bottom - part.top,
               window.image.dc, part.left, part.top, SRCCOPY);
}

LRESULT Win32Layer::controlColours(const Win32Window& window, HWND handle, UINT message,
                                   WPARAM wParam, LPARAM lParam) {
    HDC dc = reinterpret_cast<HDC>(wParam);
    HWND control = reinterpret_cast<HWND>(lParam);
    const Win32Control* found = nullptr;
    // A part of a control asks through the control, its parent; a drop-down list's dropped
    // list, whose parent is the desktop, asks in its own name.
    for (HWND candidate : {control, GetParent(control)}) {
        for (const auto& [id, each] : window.controls)
            if (each.handle == candidate || (each.list && each.list == control)) found = &each;
        if (found) break;
    }
    if (found && found->ownColours) {
        HBRUSH brush = gdi_.brush(found->background);
        SetTextColor(dc, found->text);
        SetBkColor(dc, found->background);
        // A simple label paints only behind its text and leaves the rest of its place
        // as it was, which the window (clipping its children) never paints.
        if (found->kind == ControlKind::Label && control == found->handle) {
            RECT place;
            GetClientRect(control, &place);
            FillRect(dc, &place, brush);
        }
        return reinterpret_cast<LRESULT>(brush);
    }
    if (found && found->kind == ControlKind::EditBox) {
        // Edit boxes in the platform's colours show button text on the window colour,
        // read-only or not.
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    }
    return DefWindowProcA(handle, message, wParam, lParam);
}

}  // namespace fx
