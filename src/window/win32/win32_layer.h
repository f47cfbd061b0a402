#pragma once
// The window layer on Win32: USER32 windows, controls and menus, a COMCTL32 report
// list, GDI drawing into a persistent image per window, window timers, message boxes
// and the open-file dialog placed by a creation hook, and WINMM sounds. Every
// message that reaches one of its windows becomes a WindowEvent for that window's
// handler; the tables of the core say what to build.

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "window/win32/gdi_objects.h"
#include "window/window_layer.h"

namespace fx {

struct Win32Control {
    HWND handle = nullptr;
    ControlKind kind = ControlKind::Label;
    bool ownColours = false;  // false: the platform's colours
    Colour text = black;
    Colour background = black;
    // A drop-down list's list, a window of its own whose parent is the desktop: it asks
    // for its colours in its own name.
    HWND list = nullptr;
};

class Win32Layer;

struct Win32Window {
    Win32Layer* layer = nullptr;
    HWND handle = nullptr;  // null once closed
    EventHandler handler;
    Colour background = rgb(255, 255, 255);
    DrawingState drawing;
    GdiImage image;
    std::map<int, Win32Control> controls;
};

// A copy of a window's persistent image, for tests.
struct ImagePixels {
    Size size;
    std::vector<Colour> pixels;  // row by row from the top
    // Black outside the image, as an image of nothing would read.
    Colour at(int x, int y) const;
};

class Win32Layer final : public WindowLayer {
public:
    Win32Layer();
    ~Win32Layer() override;
    Win32Layer(const Win32Layer&) = delete;
    Win32Layer& operator=(const Win32Layer&) = delete;

    // --- WindowLayer ---
    WindowId openWindow(const WindowSpec& layout, std::string_view title,
                        EventHandler handler) override;
    void closeWindow(WindowId window) override;
    void showWindow(WindowId window, bool visible) override;
    void centreInWorkArea(WindowId window) override;
    void setBackground(WindowId window, Colour colour) override;
    void setDrawingState(WindowId window, const DrawingState& state) override;
    void drawLine(WindowId window, Point from, Point to, Colour colour) override;
    void drawRectangleOutline(WindowId window, Rect rect, Colour colour) override;
    void fillRectangle(WindowId window, Rect rect, Colour colour) override;
    void drawText(WindowId window, Point topLeft, std::string_view text) override;
    void attachMenuBar(WindowId window, std::span<const MenuSpec> menus) override;
    void setMenuItemChecked(WindowId window, int menuId, bool checked) override;
    void startTimer(WindowId window, int timerId, int periodMs) override;
    void stopTimer(WindowId window, int timerId) override;
    void createControl(WindowId window, const ControlSpec& layout) override;
    void setControlFont(WindowId window, int id, FontChoice font) override;
    void setControlColours(WindowId window, int id, Colour text, Colour background) override;
    std::string controlText(WindowId window, int id) override;
    void setControlText(WindowId window, int id, std::string_view text) override;
    bool isEnabled(WindowId window, int id) override;
    void setEnabled(WindowId window, int id, bool enabled) override;
    bool isChecked(WindowId window, int id) override;
    void setChecked(WindowId window, int id, bool checked) override;
    void addListEntry(WindowId window, int id, std::string_view text) override;
    int selectedPosition(WindowId window, int id) override;
    void selectPosition(WindowId window, int id, int position) override;
    void insertColumn(WindowId window, int id, std::string_view heading, int width) override;
    void insertRowAtTop(WindowId window, int id, std::string_view firstCell) override;
    void setCellText(WindowId window, int id, int row, int column, std::string_view text) override;
    std::string cellText(WindowId window, int id, int row, int column) override;
    int rowCount(WindowId window, int id) override;
    void forEachRow(WindowId window, int id, int columns, const RowVisitor& visit) override;
    void deleteAllRows(WindowId window, int id) override;
    MessageAnswer showMessage(WindowId owner, std::string_view text, std::string_view caption,
                              MessageIcon icon, MessageButtons buttons) override;
    std::optional<std::string> chooseFileToOpen(const FileDialogRequest& request) override;
    void playSound(std::string_view fileName) override;
    bool runMessagePass() override;

    // --- what a test can look at ---
    HWND windowHandle(WindowId window) const;
    const GdiObjects& gdiObjects() const { return gdi_; }
    ImagePixels readImage(WindowId window);
    // The file name of the latest sound started, and how many were started.
    const std::string& lastSound() const { return lastSound_; }
    int soundsStarted() const { return soundsStarted_; }
    // Called with each message box and file dialog once it is placed and about to take
    // input, from inside its own message loop; a test looks at it and answers it.
    std::function<void(HWND dialog)> onModalShown;

private:
    static LRESULT CALLBACK windowProcedure(HWND handle, UINT message, WPARAM wParam,
                                            LPARAM lParam) noexcept;
    LRESULT afterHandler(Win32Window& window, HWND handle, UINT message, WPARAM wParam,
                         LPARAM lParam);
    void paint(const Win32Window& window, HDC dc, const RECT& damaged);
    LRESULT controlColours(const Win32Window& window, HWND handle, UINT message, WPARAM wParam,
                           LPARAM lParam);
    // Draws into the window's image, then onto the screen.
    void drawOnBothSurfaces(Win32Window& window, const std::function<void(HDC)>& draw);

    Win32Window* find(WindowId window);
    const Win32Window* find(WindowId window) const;
    Win32Control* findControl(WindowId window, int id);
    HWND controlHandle(WindowId window, int id);

    GdiObjects gdi_;
    std::vector<std::unique_ptr<Win32Window>> windows_;  // WindowId is index + 1
    std::string lastSound_;
    int soundsStarted_ = 0;
};

}  // namespace fx
