#pragma once
// The window and event layer: the only way the core reaches the screen, the
// timers, message boxes, the file dialog and the sound player. It has no policy
// of its own; the core's tables say what to build and its handlers decide what an
// event means. Every control operation on an identifier that names no existing
// control does nothing and returns an empty or zero result.

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "window/window_layout.h"

namespace fx {

enum class EventKind { CloseRequest, MenuCommand, ControlNotify, TimerTick, Other };

// One record per delivery. A handler receives its own copy, so an event delivered
// while a modal box of an earlier event is open never changes the earlier one.
struct WindowEvent {
    EventKind kind = EventKind::Other;
    int menuId = 0;
    int controlId = 0;
    int notifyCode = 0;
    int timerId = 0;
};

// A drop-down list reports a changed selection with this notification code.
inline constexpr int selectionChangedCode = 1;

using EventHandler = std::function<void(const WindowEvent&)>;

// Identifies a top-level window of the layer; 0 is no window.
using WindowId = int;
inline constexpr WindowId noWindow = 0;

enum class MessageIcon { Stop, Exclamation, Question, Information };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct FileDialogRequest {
    std::string title;
    std::string filterName;     // "Sound File (*.wav)"
    std::string filterPattern;  // "*.wav"
    std::string defaultExtension;
};

class WindowLayer {
public:
    virtual ~WindowLayer() = default;

    // --- windows ---
    virtual WindowId openWindow(const WindowSpec& layout, std::string_view title,
                                EventHandler handler) = 0;
    virtual void closeWindow(WindowId window) = 0;
    virtual void showWindow(WindowId window, bool visible) = 0;
    // Centres the window in the work area and moves it back inside where it sticks out.
    virtual void centreInWorkArea(WindowId window) = 0;
    virtual void setBackground(WindowId window, Colour colour) = 0;
    // The drawing font is always the control font ("Ariel", 8 points, bold).
    virtual void setDrawingState(WindowId window, const DrawingState& state) = 0;

    // --- direct drawing, into the persistent image and onto the screen ---
    // The end point of a line is not drawn.
    virtual void drawLine(WindowId window, Point from, Point to, Colour colour) = 0;
    virtual void drawRectangleOutline(WindowId window, Rect rect, Colour colour) = 0;
    // Filled and outlined in one colour; right and bottom edges excluded.
    virtual void fillRectangle(WindowId window, Rect rect, Colour colour) = 0;
    // Top-left corner at the point, in the drawing font, text colour and text background.
    virtual void drawText(WindowId window, Point topLeft, std::string_view text) = 0;

    // --- menus ---
    virtual void attachMenuBar(WindowId window, std::span<const MenuSpec> menus) = 0;
    virtual void setMenuItemChecked(WindowId window, int menuId, bool checked) = 0;

    // --- timers; starting a running timer again restarts its period ---
    virtual void startTimer(WindowId window, int timerId, int periodMs) = 0;
    virtual void stopTimer(WindowId window, int timerId) = 0;

    // --- controls, addressed by (window, identifier) ---
    virtual void createControl(WindowId window, const ControlSpec& layout) = 0;
    virtual void setControlFont(WindowId window, int id, FontChoice font) = 0;
    virtual void setControlColours(WindowId window, int id, Colour text, Colour background) = 0;
    virtual std::string controlText(WindowId window, int id) = 0;
    virtual void setControlText(WindowId window, int id, std::string_view text) = 0;
    virtual bool isEnabled(WindowId window, int id) = 0;
    virtual void setEnabled(WindowId window, int id, bool enabled) = 0;
    virtual bool isChecked(WindowId window, int id) = 0;
    virtual void setChecked(WindowId window, int id, bool checked) = 0;

    // drop-down list; positions are 0-based, -1 means no selection
    virtual void addListEntry(WindowId window, int id, std::string_view text) = 0;
    virtual int selectedPosition(WindowId window, int id) = 0;
    virtual void selectPosition(WindowId window, int id, int position) = 0;

    // report-style list
    virtual void insertColumn(WindowId window, int id, std::string_view heading, int width) = 0;
    virtual void insertRowAtTop(WindowId window, int id, std::string_view firstCell) = 0;
    virtual void setCellText(WindowId window, int id, int row, int column,
                             std::string_view text) = 0;
    virtual std::string cellText(WindowId window, int id, int row, int column) = 0;
    virtual int rowCount(WindowId window, int id) = 0;
    virtual void deleteAllRows(WindowId window, int id) = 0;
    // Hands the first `columns` cells of every row to `visit`, top row first; the texts
    // stay valid only during the call. The default reads them cell by cell; a layer
    // that keeps its rows in memory hands them out without copying ("Save Log" of a
    // long log).
    using RowVisitor = std::function<void(std::span<const std::string_view> cells)>;
    virtual void forEachRow(WindowId window, int id, int columns, const RowVisitor& visit);

    // --- services ---
    // Modal; owner may be noWindow. Events keep being delivered while it is open.
    virtual MessageAnswer showMessage(WindowId owner, std::string_view text,
                                      std::string_view caption, MessageIcon icon,
                                      MessageButtons buttons) = 0;
    // The chosen file's full path, or nothing when the user cancels. No owner.
    virtual std::optional<std::string> chooseFileToOpen(const FileDialogRequest& request) = 0;
    // Starts at once, cuts off the previous sound; silent when the file cannot be played.
    virtual void playSound(std::string_view fileName) = 0;

    // --- message loop ---
    // Waits for at least one message, then dispatches every queued one. Returns
    // false when no message can ever arrive again (the loop must then end).
    virtual bool runMessagePass() = 0;
};

}  // namespace fx
