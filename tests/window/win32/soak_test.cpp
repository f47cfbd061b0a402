// The soak session of fxsoak on the real Win32 windows: real-time ticks posted as the
// timer's own WM_TIMER messages and handled by the program's message loop, clicks and
// choices sent as the controls send them, "Not Found" boxes and sound-file dialogs shown
// and answered. The layer's live GDI objects stay flat after the warm-up, the heap grows
// by no more than the log rows it gained, and the list holds exactly the rows that the
// same session logs on the headless layer.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "monitor/event_log.h"
#include "soak/headless_soak_user.h"
#include "soak/process_memory.h"
#include "soak/soak_session.h"
#include "win32_monitor.h"

namespace {

constexpr int soakTicks = 3'000;
constexpr int warmUpTicks = 500;
constexpr int calibrationRows = 300;

// Few missing files and the pair-in-slot alert armed once: each box and dialog costs
// Wine a good part of a second.
fx::soak::SoakSettings windowsSettings() {
    fx::soak::SoakSettings settings;
    settings.missingPerMille = 1;
    settings.rearmSlotAlert = false;
    return settings;
}

// Works the real windows as their controls and the timer would.
class Win32SoakUser final : public fx::soak::SoakUser {
public:
    Win32SoakUser(fx::Win32Layer& layer, fxtest::ModalScript& modals)
        : layer_(layer), modals_(modals) {}

    void click(fx::WindowId window, int controlId) override {
        HWND parent = layer_.windowHandle(window);
        HWND control = GetDlgItem(parent, controlId);
        // An automatic check box toggles itself before it tells its parent.
        if ((GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK) == BS_AUTOCHECKBOX) {
            const bool checked = SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
            SendMessageA(control, BM_SETCHECK, checked ? BST_UNCHECKED : BST_CHECKED, 0);
        }
        SendMessageA(parent, WM_COMMAND, MAKEWPARAM(controlId, BN_CLICKED),
                     reinterpret_cast<LPARAM>(control));
        fxtest::pumpMessages();
    }
    void choose(fx::WindowId window, int listId, int position) override {
        HWND parent = layer_.windowHandle(window);
        HWND list = GetDlgItem(parent, listId);
        SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
        SendMessageA(parent, WM_COMMAND, MAKEWPARAM(listId, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
        fxtest::pumpMessages();
    }
    void chooseMenu(fx::WindowId window, int menuId) override {
        SendMessageA(layer_.windowHandle(window), WM_COMMAND, MAKEWPARAM(menuId, 0), 0);
        fxtest::pumpMessages();
    }
    // The window timer itself is stopped (Wine's fire at most every 10 ms): each tick is
    // posted as its WM_TIMER and handled by one pass of the program's message loop.
    bool tick(fx::Monitor& monitor) override {
        HWND main = layer_.windowHandle(monitor.mainWindow);
        KillTimer(main, fx::mainwin::realTimeTimer);
        if (monitor.state.realTimeMode != 1) return false;
        PostMessageA(main, WM_TIMER, fx::mainwin::realTimeTimer, 0);
        return layer_.runMessagePass();
    }
    void chooseFileNext(const std::string& path) override {
        modals_.then([path](HWND dialog) {
            HWND name =
                GetDlgItem(dialog, cmb13) ? GetDlgItem(dialog, cmb13) : GetDlgItem(dialog, edt1);
            SetWindowTextA(name, path.c_str());
            fxtest::pressButton(dialog, IDOK);
        });
    }
    std::vector<std::string> takeMessageCaptions() override {
        std::vector<std::string> captions;
        for (const fxtest::ModalSeen& seen : modals_.seen)
            if (seen.caption != "Select A Sound File") captions.push_back(seen.caption);
        modals_.seen.clear();
        return captions;
    }

private:
    fx::Win32Layer& layer_;
    fxtest::ModalScript& modals_;
};

// The bytes allocated and not freed in every heap of the process: exact, where the
// system's counts move in steps of whole pages and heap segments.
long long heapBytesInUse() {
    HANDLE heaps[256];
    const DWORD count = GetProcessHeaps(256, heaps);
    long long total = 0;
    for (DWORD h = 0; h < count && h < 256; ++h) {
        if (!HeapLock(heaps[h])) continue;
        PROCESS_HEAP_ENTRY entry = {};
        while (HeapWalk(heaps[h], &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) total += entry.cbData;
        HeapUnlock(heaps[h]);
    }
    return total;
}

TEST(Win32SoakTest, GdiObjectsAndHeapStayFlatAndEveryLogRowIsShown) {
    fx::Win32Layer layer;
    fxtest::ModalScript modals(layer);
    Win32SoakUser user(layer, modals);
    fx::soak::SoakSession session(windowsSettings(), layer, user);

    const auto started = std::chrono::steady_clock::now();
    ASSERT_TRUE(session.run(warmUpTicks)) << session.failure();
    const int gdiAfterWarmUp = layer.gdiObjects().liveObjects();
    const long long memoryAfterWarmUp = fx::soak::processMemory().residentKb;
    const long long heapAfterWarmUp = heapBytesInUse();
    const int rowsAfterWarmUp = session.logRows();
    int mostGdi = gdiAfterWarmUp;
    for (long long done = warmUpTicks; done < soakTicks; done += 500) {
        ASSERT_TRUE(session.run(500)) << session.failure();
        mostGdi = std::max(mostGdi, layer.gdiObjects().liveObjects());
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    const int gdiAtEnd = layer.gdiObjects().liveObjects();
    const long long memoryAtEnd = fx::soak::processMemory().residentKb;
    const long long heapAtEnd = heapBytesInUse();
    const int rowsAtEnd = session.logRows();
    const std::vector<std::string> shown = session.logDescriptions();

    // What a log row holds in this process: more rows like most of the soak's, logged
    // straight in.
    for (int r = 0; r < calibrationRows; ++r)
        fx::logEvent(session.monitor(), "New +anchor: GBPJPY");
    const double bytesPerRow = static_cast<double>(heapBytesInUse() - heapAtEnd) / calibrationRows;

    std::printf(
        "%lld ticks in %.1f s; live GDI objects %d after %d ticks, %d at most, %d after %d; "
        "working set %lld kB, then %lld kB; heap in use %lld kB, then %lld kB; log rows %d, "
        "then %d (%.0f bytes each)\n",
        session.counts().ticks, seconds, gdiAfterWarmUp, warmUpTicks, mostGdi, gdiAtEnd, soakTicks,
        memoryAfterWarmUp, memoryAtEnd, heapAfterWarmUp / 1024, heapAtEnd / 1024, rowsAfterWarmUp,
        rowsAtEnd, bytesPerRow);
    EXPECT_EQ(mostGdi, gdiAfterWarmUp);
    EXPECT_EQ(gdiAtEnd, gdiAfterWarmUp);
    // Some rows logged are a little longer than the measured ones: a twentieth more, and
    // 256 kB for whatever else a heap keeps, is room enough; a leak of one allocation per
    // tick is not.
    const double rowsBytes = bytesPerRow * (rowsAtEnd - rowsAfterWarmUp);
    EXPECT_GT(bytesPerRow, 0.0);
    EXPECT_LE(static_cast<double>(heapAtEnd - heapAfterWarmUp), rowsBytes * 1.05 + 256 * 1024)
        << "the heap grew by more than the log rows hold";

    // The same session on the headless layer logs the same rows.
    fx::HeadlessLayer headless;
    fx::soak::HeadlessSoakUser headlessUser(headless);
    fx::soak::SoakSession twin(windowsSettings(), headless, headlessUser);
    ASSERT_TRUE(twin.run(soakTicks)) << twin.failure();
    EXPECT_EQ(shown, twin.logDescriptions());
}

}  // namespace
