// Controls, made from their table rows and addressed by (window, identifier).

#include "window/win32/win32_api.h"
#include "window/win32/win32_layer.h"

namespace fx {

namespace {

struct ControlClass {
    const char* className;
    DWORD style;
    DWORD extendedStyle;
};

ControlClass controlClassFor(const ControlSpec& layout) {
    switch (layout.kind) {
        case ControlKind::Label:
            return {"STATIC", SS_SIMPLE | SS_NOTIFY, 0};
        case ControlKind::DropDownList: {
            // The height given is the height with the list dropped down.
            DWORD style = CBS_DROPDOWNLIST | CBS_HASSTRINGS | CBS_NOINTEGRALHEIGHT | WS_BORDER;
            if (layout.style & StyleVScroll) style |= WS_VSCROLL;
            return {"COMBOBOX", style, WS_EX_CLIENTEDGE};
        }
        case ControlKind::CheckBox:
            return {"BUTTON", BS_AUTOCHECKBOX, 0};
        case ControlKind::EditBox: {
            DWORD style = WS_BORDER;
            style |= (layout.style & StyleCentred) ? ES_CENTER : ES_LEFT;
            if (layout.style & StyleReadOnly) style |= ES_READONLY;
            if (!(layout.style & StyleNoHScroll)) style |= ES_AUTOHSCROLL;
            return {"EDIT", style, WS_EX_CLIENTEDGE};
        }
        case ControlKind::PushButton:
            return {"BUTTON",
                    static_cast<DWORD>((layout.style & StyleDefaultButton) ? BS_DEFPUSHBUTTON
                                                                           : BS_PUSHBUTTON),
                    0};
        case ControlKind::ReportList:
            return {WC_LISTVIEWA, LVS_REPORT, WS_EX_CLIENTEDGE};
    }
    return {"STATIC", 0, 0};
}

}  // namespace

Win32Control* Win32Layer::findControl(WindowId window, int id) {
    Win32Window* found = find(window);
    if (!found) return nullptr;
    auto control = found->controls.find(id);
    return control == found->controls.end() ? nullptr : &control->second;
}

HWND Win32Layer::controlHandle(WindowId window, int id) {
    Win32Control* control = findControl(window, id);
    return control ? control->handle : nullptr;
}

void Win32Layer::createControl(WindowId id, const ControlSpec& layout) {
    Win32Window* window = find(id);
    if (!window || window->controls.contains(layout.id)) return;
    const ControlClass kind = controlClassFor(layout);
    HWND handle = CreateWindowExA(
        kind.extendedStyle, kind.className, layout.text, WS_CHILD | WS_VISIBLE | kind.style,
        layout.place.x, layout.place.y, layout.place.width, layout.place.height, window->handle,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.id)), GetModuleHandleA(nullptr),
        nullptr);
    if (!handle) return;
    // Without a theme the check box's text takes the colours the window gives it.
    if (layout.kind == ControlKind::CheckBox) SetWindowTheme(handle, L"", L"");
    Win32Control& control = window->controls[layout.id];
    control = {handle, layout.kind, false, black, black, nullptr};
    COMBOBOXINFO combo = {};
    combo.cbSize = sizeof combo;
    if (layout.kind == ControlKind::DropDownList && GetComboBoxInfo(handle, &combo))
        control.list = combo.hwndList;
}

void Win32Layer::setControlFont(WindowId window, int id, FontChoice font) {
    HWND handle = controlHandle(window, id);
    if (!handle) return;
    HFONT chosen = font == FontChoice::ControlFont ? gdi_.controlFont() : nullptr;
    SendMessageA(handle, WM_SETFONT, reinterpret_cast<WPARAM>(chosen), TRUE);
}

void Win32Layer::setControlColours(WindowId window, int id, Colour text, Colour background) {
    Win32Control* control = findControl(window, id);
    if (!control) return;
    // Ranking sets every slot's colours on every tick; repainting a box whose colours
    // stay would only make it flicker.
    if (control->ownColours && control->text == text && control->background == background) return;
    control->ownColours = true;
    control->text = text;
    control->background = background;
    // The brush is made now, not while the control asks for its colours.
    gdi_.brush(background);
    InvalidateRect(control->handle, nullptr, TRUE);
}

std::string Win32Layer::controlText(WindowId window, int id) {
    HWND handle = controlHandle(window, id);
    if (!handle) return {};
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(handle)) + 1, '\0');
    const int length = GetWindowTextA(handle, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    return text;
}

void Win32Layer::setControlText(WindowId window, int id, std::string_view text) {
    HWND handle = controlHandle(window, id);
    // The slot boxes are rewritten on every tick; a box that keeps its text is not
    // redrawn, so it does not flicker.
    if (!handle || controlText(window, id) == text) return;
    SetWindowTextA(handle, std::string(text).c_str());
}

bool Win32Layer::isEnabled(WindowId window, int id) {
    HWND handle = controlHandle(window, id);
    return handle && IsWindowEnabled(handle);
}

void Win32Layer::setEnabled(WindowId window, int id, bool enabled) {
    if (HWND handle = controlHandle(window, id)) EnableWindow(handle, enabled);
}

bool Win32Layer::isChecked(WindowId window, int id) {
    HWND handle = controlHandle(window, id);
    return handle && SendMessageA(handle, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32Layer::setChecked(WindowId window, int id, bool checked) {
    if (HWND handle = controlHandle(window, id))
        SendMessageA(handle, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Win32Layer::addListEntry(WindowId window, int id, std::string_view text) {
    if (HWND handle = controlHandle(window, id))
        SendMessageA(handle, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::string(text).c_str()));
}

int Win32Layer::selectedPosition(WindowId window, int id) {
    HWND handle = controlHandle(window, id);
    if (!handle) return -1;
    const LRESULT position = SendMessageA(handle, CB_GETCURSEL, 0, 0);
    return position == CB_ERR ? -1 : static_cast<int>(position);
}

void Win32Layer::selectPosition(WindowId window, int id, int position) {
    if (HWND handle = controlHandle(window, id))
        SendMessageA(handle, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
}

}  // namespace fx
