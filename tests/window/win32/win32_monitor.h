#pragma once
// A monitor of any variant on the real Win32 layer, with its data files in a fresh
// folder, driven by real window messages and read back through Win32. Message boxes
// and file dialogs are seen through the layer's modal hook and answered by script.

#include <chrono>
#include <cstdio>
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

// Dispatches every message queued for this thread, paints included.
inline void pumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// Dispatches messages as they come until the condition holds; false if it still does
// not hold when the time is up.
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

inline std::string windowText(HWND window) {
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

inline std::string className(HWND window) {
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

// A child's place in its parent's client area.
inline fx::Rect placeInParent(HWND child) {
    RECT outer;
    GetWindowRect(child, &outer);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&outer), 2);
    return {outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top};
}

inline fx::Rect screenRect(HWND window) {
    RECT outer;
    GetWindowRect(window, &outer);
    return {outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top};
}

// What a message box or file dialog showed, read from its own child windows.
struct ModalSeen {
    HWND dialog = nullptr;
    HWND owner = nullptr;
    fx::Rect place;
    std::string caption;
    std::string text;       // message boxes: the static text
    HICON icon = nullptr;   // message boxes: the icon shown
    std::set<int> buttons;  // the ids of the buttons shown
};

inline ModalSeen readModal(HWND dialog) {
    ModalSeen seen;
    seen.dialog = dialog;
    seen.owner = GetWindow(dialog, GW_OWNER);
    seen.place = screenRect(dialog);
    seen.caption = windowText(dialog);
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::string kind = className(child);
        const LONG style = GetWindowLongA(child, GWL_STYLE);
        if (kind == "Static" && (style & SS_TYPEMASK) == SS_ICON)
            seen.icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
        else if (kind == "Static" && !windowText(child).empty())
            seen.text = windowText(child);
        else if (kind == "Button" && (style & WS_VISIBLE))
            seen.buttons.insert(GetDlgCtrlID(child));
    }
    return seen;
}

inline HICON systemIcon(LPCSTR which) { return LoadIconA(nullptr, which); }

// Answers a dialog as a user pressing the button would.
inline void pressButton(HWND dialog, int buttonId) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), 0);
}

// Sees every modal box of a layer; each is answered by the next scripted action, or
// else by its first button among OK and No, so no test can hang on a box. The box is
// read and answered from its own message loop, once it has finished setting itself up.
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
        seen.push_back(readModal(dialog));
        if (!actions_.empty()) {
            auto action = std::move(actions_.front());
            actions_.pop_front();
            action(dialog);
            return;
        }
        pressButton(dialog, GetDlgItem(dialog, IDNO) ? IDNO : IDOK);
    }

    HWND helper_ = nullptr;
    std::deque<std::function<void(HWND)>> actions_;
};

class Win32Monitor {
public:
    explicit Win32Monitor(fx::VariantId id = fx::VariantId::V17b) : variant(fx::variant(id)) {}

    const fx::Variant& variant;
    TempFolder folder;
    fx::Win32Layer layer;
    ModalScript modals{layer};
    fx::SettableClock clock{fx::LocalTime{2009, 3, 7, 14, 19, 5}};

    std::string symbol(int pair) const { return std::string(variant.pairTable.at(pair)); }

    // Fourteen history files of `rows` lines at each pair's typical price, and the
    // real-time files at that price.
    void writeData(int rows) {
        for (int k = 0; k < fx::pairCount; ++k) {
            std::string content;
            for (int r = 0; r < rows; ++r)
                content += historyDate(r) + "," + number(typicalPrice(symbol(k))) + "\r\n";
            folder.write(symbol(k) + ".csv", content);
            setPrice(k, typicalPrice(symbol(k)));
        }
    }
    void setPrice(int pair, float price) const {
        folder.write(symbol(pair) + "_RT.csv", number(price));
    }

    // Start-up, then every message it left queued.
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

    // A selection in the "Reference Day:" list, notified as the list itself would.
    void chooseReferenceDay(int position) {
        HWND list = mainControl(fx::mainwin::referenceDayCombo);
        SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
        SendMessageA(mainWindow(), WM_COMMAND,
                     MAKEWPARAM(fx::mainwin::referenceDayCombo, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
        pumpMessages();
    }
    // A mouse click on a button or check box of an active window.
    static void click(HWND control) {
        SetActiveWindow(GetParent(control));
        SendMessageA(control, BM_CLICK, 0, 0);
        pumpMessages();
    }
    void chooseMenu(int menuId) {
        SendMessageA(mainWindow(), WM_COMMAND, MAKEWPARAM(menuId, 0), 0);
        pumpMessages();
    }
    // Real-time ticks as the timer delivers them, the clock a second further each time.
    void tick(int count = 1) {
        for (int i = 0; i < count; ++i) {
            clock.advanceSeconds(1);
            SendMessageA(mainWindow(), WM_TIMER, fx::mainwin::realTimeTimer, 0);
            pumpMessages();
        }
    }
    // Reference day 0 chosen and real-time mode switched on; the window timer is then
    // stopped, so that only the test's own ticks arrive.
    void startRealTime() {
        chooseReferenceDay(0);
        click(mainControl(fx::mainwin::realTimeModeCheck));
        KillTimer(mainWindow(), fx::mainwin::realTimeTimer);
    }

private:
    static std::string number(float value) {
        char text[64];
        std::snprintf(text, sizeof text, "%.5f", static_cast<double>(value));
        return text;
    }

    std::unique_ptr<fx::Monitor> monitor_;
};

}  // namespace fxtest
