#pragma once
// A monitor on the real Win32 layer, its data files in a fresh folder, driven by real
// window messages. Every message box and file dialog is read and answered by script.

#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/startup.h"
#include "monitor/main_window.h"
#include "monitor/monitor.h"
#include "support/headless_monitor.h"
#include "support/temp_folder.h"
#include "text/clock.h"
#include "window/win32/win32_api.h"
#include "window/win32/win32_layer.h"

namespace fxtest {

inline void pumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// Dispatches messages until the condition holds; false if it does not within the limit.
inline bool waitFor(const std::function<bool()>& condition,
                    std::chrono::milliseconds limit = std::chrono::milliseconds(5000)) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        pumpMessages();
    }
    return true;
}

// Asked of the window itself, so that it answers for a control of another process too.
inline std::string windowText(HWND window) {
    char text[1024] = "";
    SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

inline std::string className(HWND window) {
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

// What the screen shows at a point of a window's client area.
inline fx::Colour screenPixel(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    const COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return pixel;
}

inline fx::Rect screenRect(HWND window) {
    RECT outer;
    GetWindowRect(window, &outer);
    return {outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top};
}

inline void pressButton(HWND dialog, int buttonId) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), 0);
}

// The file-name field of an open-file dialog, old style or new.
inline HWND fileNameField(HWND dialog) {
    return GetDlgItem(dialog, cmb13) ? GetDlgItem(dialog, cmb13) : GetDlgItem(dialog, edt1);
}

// What a message box or file dialog showed, read from its own child windows.
struct ModalSeen {
    HWND owner = nullptr;
    fx::Rect place;
    std::string caption;
    std::string text;
    HICON icon = nullptr;
    std::set<int> buttons;  // the visible ones
};

// Reads each modal box of a layer and answers it with the next scripted action, or else
// with No or OK, from the box's own message loop once the box has set itself up.
class ModalScript {
public:
    explicit ModalScript(fx::Win32Layer& layer) {
        WNDCLASSA helperClass = {};
        helperClass.lpfnWndProc = &ModalScript::helperProcedure;
        helperClass.lpszClassName = "fxtestModalScript";
        RegisterClassA(&helperClass);
        helper_ = CreateWindowExA(0, "fxtestModalScript", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  nullptr, nullptr);
        SetWindowLongPtrA(helper_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        layer.onModalShown = [this](HWND dialog) {
            PostMessageA(helper_, WM_APP, reinterpret_cast<WPARAM>(dialog), 0);
        };
    }
    ~ModalScript() { DestroyWindow(helper_); }
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    void then(std::function<void(HWND dialog)> action) { actions_.push_back(std::move(action)); }
    std::vector<ModalSeen> seen;

private:
    static LRESULT CALLBACK helperProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
        auto* script = reinterpret_cast<ModalScript*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (message != WM_APP || !script) return DefWindowProcA(window, message, wParam, lParam);
        script->answer(reinterpret_cast<HWND>(wParam));
        return 0;
    }
    void answer(HWND dialog) {
        ModalSeen box{
            GetWindow(dialog, GW_OWNER), screenRect(dialog), windowText(dialog), "", nullptr, {}};
        for (HWND child = GetWindow(dialog, GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT)) {
            const LONG style = GetWindowLongA(child, GWL_STYLE);
            if (className(child) == "Static" && (style & SS_TYPEMASK) == SS_ICON)
                box.icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
            else if (className(child) == "Static" && !windowText(child).empty())
                box.text = windowText(child);
            else if (className(child) == "Button" && (style & WS_VISIBLE))
                box.buttons.insert(GetDlgCtrlID(child));
        }
        seen.push_back(box);
        if (actions_.empty()) return pressButton(dialog, GetDlgItem(dialog, IDNO) ? IDNO : IDOK);
        auto action = std::move(actions_.front());
        actions_.pop_front();
        action(dialog);
    }

    HWND helper_ = nullptr;
    std::deque<std::function<void(HWND)>> actions_;
};

class Win32Monitor {
public:
    const fx::Variant& variant = fx::variant(fx::VariantId::V17b);
    TempFolder folder;
    fx::Win32Layer layer;
    ModalScript modals{layer};
    fx::SettableClock clock{fx::LocalTime{2009, 3, 7, 14, 19, 5}};

    void writeData(int rows) { writeMonitorData(folder, variant, rows); }

    void start() {
        monitor_ = std::make_unique<fx::Monitor>(variant, layer, clock,
                                                 folder.pathOf("fxmonitor.exe"), folder.path());
        fx::startMonitor(*monitor_);
        pumpMessages();
    }
    fx::Monitor& monitor() { return *monitor_; }

    HWND mainWindow() const { return layer.windowHandle(monitor_->mainWindow); }
    HWND optionsWindow() const { return layer.windowHandle(monitor_->optionsWindow); }
    HWND mainControl(int id) const { return GetDlgItem(mainWindow(), id); }
    HWND optionsControl(int id) const { return GetDlgItem(optionsWindow(), id); }

    static void click(HWND control) {
        SetActiveWindow(GetParent(control));
        SendMessageA(control, BM_CLICK, 0, 0);
        pumpMessages();
    }
    void chooseMenu(int menuId) {
        SendMessageA(mainWindow(), WM_COMMAND, MAKEWPARAM(menuId, 0), 0);
        pumpMessages();
    }
    // Real-time mode on from reference day 0, the window timer stopped: only the test ticks.
    // CB_SETCURSEL sends no notification: it is sent as the list itself would.
    void startRealTime() {
        HWND list = mainControl(fx::mainwin::referenceDayCombo);
        SendMessageA(list, CB_SETCURSEL, 0, 0);
        SendMessageA(mainWindow(), WM_COMMAND,
                     MAKEWPARAM(fx::mainwin::referenceDayCombo, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
        click(mainControl(fx::mainwin::realTimeModeCheck));
        KillTimer(mainWindow(), fx::mainwin::realTimeTimer);
    }

private:
    std::unique_ptr<fx::Monitor> monitor_;
};

}  // namespace fxtest
