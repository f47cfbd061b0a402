// The modal services: message boxes and the open-file dialog. Each runs its own
// message loop, so events keep reaching the handlers while it is open.

#include "window/win32/modal_placement.h"
#include "window/win32/win32_api.h"
#include "window/win32/win32_layer.h"

namespace fx {

namespace {

UINT iconFlag(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Stop:
            return MB_ICONSTOP;
        case MessageIcon::Exclamation:
            return MB_ICONEXCLAMATION;
        case MessageIcon::Question:
            return MB_ICONQUESTION;
        case MessageIcon::Information:
            return MB_ICONINFORMATION;
    }
    return 0;
}

}  // namespace

MessageAnswer Win32Layer::showMessage(WindowId owner, std::string_view text,
                                      std::string_view caption, MessageIcon icon,
                                      MessageButtons buttons) {
    HWND ownerHandle = windowHandle(owner);
    const std::string message(text);
    const std::string title(caption);
    const UINT flags = iconFlag(icon) | (buttons == MessageButtons::YesNo ? MB_YESNO : MB_OK);
    ModalPlacement placement(ownerHandle, onModalShown);
    switch (MessageBoxA(ownerHandle, message.c_str(), title.c_str(), flags)) {
        case IDYES:
            return MessageAnswer::Yes;
        case IDNO:
            return MessageAnswer::No;
        default:
            // A box with Yes and No that could not be shown answers No, so nothing is lost.
            return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }
}

std::optional<std::string> Win32Layer::chooseFileToOpen(const FileDialogRequest& request) {
    std::string filter = request.filterName;
    filter += '\0';
    filter += request.filterPattern;
    filter += '\0';  // the string's own terminator ends the list
    char file[4096] = "";
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = nullptr;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file;
    dialog.nMaxFile = sizeof file;
    dialog.lpstrTitle = request.title.c_str();
    dialog.lpstrDefExt = request.defaultExtension.c_str();
    // One file; the read-only box hidden.
    dialog.Flags = OFN_HIDEREADONLY;
    ModalPlacement placement(nullptr, onModalShown);
    if (!GetOpenFileNameA(&dialog)) return std::nullopt;
    return std::string(file);
}

}  // namespace fx
