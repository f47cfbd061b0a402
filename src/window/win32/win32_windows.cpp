// The layer's top-level windows: opening, closing, showing, placing.

#include "window/win32/placement.h"
#include "window/win32/win32_api.h"
#include "window/win32/win32_layer.h"

namespace fx {

namespace {

constexpr const char* windowClassName = "fxmonitorWindow";
constexpr int programIconId = 101;

// One class serves every window of every layer in the process; registering it a second
// time fails harmlessly.
void registerWindowClass(WNDPROC procedure) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(programIconId));
    if (!icon) icon = LoadIconA(nullptr, IDI_APPLICATION);
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    // No class brush: the paint routine fills with the window's own background.
    windowClass.lpszClassName = windowClassName;
    RegisterClassExA(&windowClass);
}

DWORD frameStyle(WindowFrame frame) {
    // Fixed size: no sizing border, no maximise box; the children are not painted over.
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    if (frame == WindowFrame::FixedWithMinimise) style |= WS_MINIMIZEBOX;
    return style;
}

}  // namespace

Colour ImagePixels::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= size.width || y >= size.height) return black;
    return pixels[static_cast<std::size_t>(y) * size.width + x];
}

Win32Layer::Win32Layer() {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    registerWindowClass(&Win32Layer::windowProcedure);
}

Win32Layer::~Win32Layer() {
    for (std::size_t i = 0; i < windows_.size(); ++i) closeWindow(static_cast<WindowId>(i + 1));
}

Win32Window* Win32Layer::find(WindowId window) {
    if (window < 1 || static_cast<std::size_t>(window) > windows_.size()) return nullptr;
    Win32Window* found = windows_[window - 1].get();
    return found->handle ? found : nullptr;
}

const Win32Window* Win32Layer::find(WindowId window) const {
    return const_cast<Win32Layer*>(this)->find(window);
}

HWND Win32Layer::windowHandle(WindowId window) const {
    const Win32Window* found = find(window);
    return found ? found->handle : nullptr;
}

WindowId Win32Layer::openWindow(const WindowSpec& layout, std::string_view title,
                                EventHandler handler) {
    auto window = std::make_unique<Win32Window>();
    window->layer = this;
    window->handler = std::move(handler);
    const std::string titleText(title);
    HWND handle = CreateWindowExA(0, windowClassName, titleText.c_str(), frameStyle(layout.frame),
                                  layout.position.x, layout.position.y, layout.outerSize.width,
                                  layout.outerSize.height, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), window.get());
    if (!handle) return noWindow;
    window->handle = handle;
    RECT client;
    GetClientRect(handle, &client);
    window->image = gdi_.makeImage(handle, {client.right, client.bottom}, window->background);
    windows_.push_back(std::move(window));
    if (layout.visible) {
        ShowWindow(handle, SW_SHOWNORMAL);
        UpdateWindow(handle);
    }
    return static_cast<WindowId>(windows_.size());
}

void Win32Layer::closeWindow(WindowId id) {
    Win32Window* window = find(id);
    if (!window) return;
    // A closed window delivers nothing more, not even the messages of its destruction.
    window->handler = nullptr;
    HWND handle = window->handle;
    window->handle = nullptr;
    window->controls.clear();
    DestroyWindow(handle);
    gdi_.deleteImage(window->image);
}

void Win32Layer::showWindow(WindowId id, bool visible) {
    if (Win32Window* window = find(id)) ShowWindow(window->handle, visible ? SW_SHOW : SW_HIDE);
}

void Win32Layer::centreInWorkArea(WindowId id) {
    Win32Window* window = find(id);
    if (!window) return;
    RECT outer;
    GetWindowRect(window->handle, &outer);
    const RECT area = workArea();
    moveWindowTo(window->handle, keptInside(centredOver(outer, area), area));
}

void Win32Layer::setBackground(WindowId id, Colour colour) {
    Win32Window* window = find(id);
    if (!window) return;
    window->background = colour;
    // A new background starts a fresh image, so that no part of it shows the old colour.
    if (window->image.dc) {
        const RECT whole = {0, 0, window->image.size.width, window->image.size.height};
        FillRect(window->image.dc, &whole, gdi_.brush(colour));
    }
    InvalidateRect(window->handle, nullptr, TRUE);
}

void Win32Layer::setDrawingState(WindowId id, const DrawingState& state) {
    if (Win32Window* window = find(id)) window->drawing = state;
}

}  // namespace fx
