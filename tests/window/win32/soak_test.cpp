// The fxsoak session on real Win32 windows, worked as the controls and the timer would:
// after the warm-up the live GDI objects stay flat and the heap grows by no more than the
// log rows gained; the list holds the rows the same session logs on the headless layer.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "monitor/event_log.h"
#include "soak/headless_soak_user.h"
#include "soak/soak_session.h"
#include "win32_monitor.h"

namespace {

constexpr int soakTicks = 3'000;
constexpr int warmUpTicks = 500;

class Win32SoakUser final : public fx::soak::SoakUser {
public:
    explicit Win32SoakUser(fx::Win32Layer& layer) : layer_(layer) {}

    void click(fx::WindowId window, int controlId) override {
        HWND control = GetDlgItem(layer_.windowHandle(window), controlId);
        // An automatic check box toggles itself before it tells its parent.
        if ((GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK) == BS_AUTOCHECKBOX)
            SendMessageA(control, BM_SETCHECK, !SendMessageA(control, BM_GETCHECK, 0, 0), 0);
        send(window, MAKEWPARAM(controlId, BN_CLICKED), control);
    }
    void choose(fx::WindowId window, int listId, int position) override {
        HWND list = GetDlgItem(layer_.windowHandle(window), listId);
        SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
        send(window, MAKEWPARAM(listId, CBN_SELCHANGE), list);
    }
    void chooseMenu(fx::WindowId window, int menuId) override {
        send(window, MAKEWPARAM(menuId, 0), nullptr);
    }
    // The window timer is stopped (Wine's fire at most every 10 ms): each tick is posted
    // and handled by one pass of the program's message loop.
    bool tick(fx::Monitor& monitor) override {
        HWND main = layer_.windowHandle(monitor.mainWindow);
        KillTimer(main, fx::mainwin::realTimeTimer);
        if (monitor.state.realTimeMode != 1) return false;
        PostMessageA(main, WM_TIMER, fx::mainwin::realTimeTimer, 0);
        return layer_.runMessagePass();
    }
    void chooseFileNext(const std::string& path) override {
        modals_.then([path](HWND dialog) {
            SetWindowTextA(fxtest::fileNameField(dialog), path.c_str());
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
    void send(fx::WindowId window, WPARAM command, HWND from) {
        SendMessageA(layer_.windowHandle(window), WM_COMMAND, command,
                     reinterpret_cast<LPARAM>(from));
        fxtest::pumpMessages();
    }
    fx::Win32Layer& layer_;
    fxtest::ModalScript modals_{layer_};
};

// The bytes allocated and not freed in every heap of the process: exact, where the
// system's counts move in whole pages.
long long heapBytesInUse() {
    HANDLE heaps[256];
    const DWORD count = std::min<DWORD>(GetProcessHeaps(256, heaps), 256);
    long long total = 0;
    for (DWORD h = 0; h < count; ++h) {
        if (!HeapLock(heaps[h])) continue;
        PROCESS_HEAP_ENTRY entry = {};
        while (HeapWalk(heaps[h], &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) total += entry.cbData;
        HeapUnlock(heaps[h]);
    }
    return total;
}

TEST(Win32SoakTest, GdiObjectsAndHeapStayFlatAndEveryLogRowIsShown) {
    // Each box and dialog costs Wine a good part of a second: few missing files, and the
    // pair-in-slot alert armed once.
    fx::soak::SoakSettings settings;
    settings.missingPerMille = 1;
    settings.rearmSlotAlert = false;
    fx::Win32Layer layer;
    Win32SoakUser user(layer);
    fx::soak::SoakSession session(settings, layer, user);
    ASSERT_TRUE(session.run(warmUpTicks)) << session.failure();
    const int gdiAfterWarmUp = layer.gdiObjects().liveObjects();
    const long long heapAfterWarmUp = heapBytesInUse();
    const int rowsAfterWarmUp = session.logRows();
    int mostGdi = gdiAfterWarmUp;
    for (int done = warmUpTicks; done < soakTicks; done += 500) {
        ASSERT_TRUE(session.run(500)) << session.failure();
        mostGdi = std::max(mostGdi, layer.gdiObjects().liveObjects());
    }
    const long long heapAtEnd = heapBytesInUse();
    const int rowsGained = session.logRows() - rowsAfterWarmUp;
    const std::vector<std::string> shown = session.logDescriptions();
    // What a log row holds in this process: more rows like most of the soak's.
    for (int r = 0; r < 300; ++r) fx::logEvent(session.monitor(), "New +anchor: GBPJPY");
    const double bytesPerRow = (heapBytesInUse() - heapAtEnd) / 300.0;
    std::printf(
        "live GDI objects %d, at most %d; heap %lld kB, then %lld kB; %d rows gained (%.0f "
        "bytes each)\n",
        gdiAfterWarmUp, mostGdi, heapAfterWarmUp / 1024, heapAtEnd / 1024, rowsGained, bytesPerRow);

    EXPECT_EQ(mostGdi, gdiAfterWarmUp);
    EXPECT_EQ(layer.gdiObjects().liveObjects(), gdiAfterWarmUp);
    // A twentieth more for longer rows and 256 kB for what a heap keeps is room enough; a
    // leak of one allocation per tick is not.
    EXPECT_GT(bytesPerRow, 0.0);
    EXPECT_LE(heapAtEnd - heapAfterWarmUp, bytesPerRow * rowsGained * 1.05 + 256 * 1024);

    fx::HeadlessLayer headless;
    fx::soak::HeadlessSoakUser headlessUser(headless);
    fx::soak::SoakSession twin(settings, headless, headlessUser);
    ASSERT_TRUE(twin.run(soakTicks)) << twin.failure();
    EXPECT_EQ(shown, twin.logDescriptions());
}

}  // namespace
