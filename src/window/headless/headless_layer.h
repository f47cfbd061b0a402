#pragma once
// The window layer kept in memory: windows, controls, menus and timers as plain
// data, direct drawings in a real pixel image, message boxes and file choices
// answered from a script, sounds recorded instead of played. The tests and the
// replay drive the monitor through it as a user would. It can be told to fail as a
// platform may: a control that cannot be created, a list that refuses new rows, a
// file dialog that is cancelled.

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <unordered_map>
#include <string>
#include <utility>
#include <vector>

#include "window/headless/pixel_image.h"
#include "window/window_layer.h"

namespace fx {

struct HeadlessColumn {
    std::string heading;
    int width = 0;
};

struct HeadlessControl {
    ControlSpec layout;  // kind, place and style as created; layout.text is not kept
    std::string text;
    bool enabled = true;
    bool checked = false;
    FontChoice font = FontChoice::PlatformDefault;
    std::optional<Colour> textColour;  // nothing: the platform's own colours
    std::optional<Colour> backgroundColour;
    std::vector<std::string> entries;  // drop-down list
    int selected = -1;
    std::vector<HeadlessColumn> columns;          // report list
    std::deque<std::vector<std::string>> rows;  // row 0 is the top row
    bool refusesRows = false;
};

struct HeadlessMenuItem {
    std::string menuTitle;
    std::string text;
    int id = 0;
    bool greyed = false;
    bool checked = false;
};

struct HeadlessWindow {
    WindowSpec layout;
    std::string title;
    EventHandler handler;
    bool open = true;
    bool visible = false;
    bool centred = false;
    Point screenPosition;
    Colour background = rgb(255, 255, 255);
    DrawingState drawing;
    PixelImage image;
    std::unordered_map<int, HeadlessControl> controls;  // by id
    std::vector<HeadlessMenuItem> menuItems;
    std::map<int, int> runningTimers;  // timer id -> period in ms
    // The latest text drawn at each point (a later text at the same point replaces it).
    std::map<std::pair<int, int>, std::string> drawnTexts;
};

struct MessageRecord {
    WindowId owner = noWindow;
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::Information;
    MessageButtons buttons = MessageButtons::Ok;
    MessageAnswer answer = MessageAnswer::Ok;
};

class HeadlessLayer final : public WindowLayer {
public:
    // NotKept: drawings and drawn texts are not recorded (a replay, which never looks).
    enum class Drawings { Kept, NotKept };
    explicit HeadlessLayer(Drawings drawings = Drawings::Kept) : keepsDrawings_(drawings == Drawings::Kept) {}

    // The client area of a window: the outer size less a fixed frame, caption and menu bar.
    static Size clientSizeOf(const WindowSpec& layout);

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
    void deleteAllRows(WindowId window, int id) override;
    void forEachRow(WindowId window, int id, int columns, const RowVisitor& visit) override;
    MessageAnswer showMessage(WindowId owner, std::string_view text, std::string_view caption,
                              MessageIcon icon, MessageButtons buttons) override;
    std::optional<std::string> chooseFileToOpen(const FileDialogRequest& request) override;
    void playSound(std::string_view fileName) override;
    // Dispatches every posted event; with none posted, "waits" by delivering one tick of
    // every running timer. False when nothing is posted and no timer runs.
    bool runMessagePass() override;

    // --- what a test can look at ---
    HeadlessWindow* window(WindowId window);
    HeadlessControl* control(WindowId window, int id);
    const HeadlessMenuItem* menuItem(WindowId window, int menuId);
    bool timerRunning(WindowId window, int timerId);
    // The latest text drawn with its top-left corner at the point, or nothing.
    std::optional<std::string> drawnTextAt(WindowId window, Point topLeft);
    const std::vector<MessageRecord>& messages() const { return messages_; }
    const std::vector<FileDialogRequest>& fileDialogs() const { return fileDialogs_; }
    const std::vector<std::string>& sounds() const { return sounds_; }
    // Forgets the recorded messages, dialogs and sounds (long runs).
    void forgetRecords();

    // --- what a user does; each does nothing where a user could not do it ---
    // Delivers the event at once, also from inside another delivery (a tick that
    // arrives while a message box of an earlier event is open).
    void deliver(WindowId window, const WindowEvent& event);
    // Queues the event for the next message pass.
    void post(WindowId window, const WindowEvent& event);
    // A click on an enabled control: a check box toggles itself first.
    bool click(WindowId window, int controlId);
    // Chooses an entry of an enabled drop-down list: selects it and notifies code 1.
    bool choose(WindowId window, int listId, int position);
    // Chooses a menu item that exists and is not greyed.
    bool chooseMenu(WindowId window, int menuId);
    // One tick of a running timer.
    bool tick(WindowId window, int timerId);
    void requestClose(WindowId window);

    // --- failures, as a platform may give them ---
    // A control of this id will not be created, in any window.
    void failCreating(int controlId) { failingControls_.insert(controlId); }
    // The report list takes no more rows.
    void refuseRows(WindowId window, int listId);

    // --- scripts for the modal services ---
    // The next message box answers this way; whileOpen runs while it is open. A box
    // with no scripted answer answers OK, or No to a question, so nothing is lost.
    void queueMessageAnswer(MessageAnswer answer, std::function<void()> whileOpen = {});
    // The next file dialog returns this path (nothing: cancelled); with no script it cancels.
    void queueFileChoice(std::optional<std::string> path, std::function<void()> whileOpen = {});
    // Called for every message box as it is shown (the replay prints them).
    std::function<void(const MessageRecord&)> onMessage;
    // Called before a timer tick that a message pass delivers while "waiting".
    std::function<void(WindowId, int timerId)> beforeWaitedTick;

private:
    struct ScriptedAnswer {
        MessageAnswer answer;
        std::function<void()> whileOpen;
    };
    struct ScriptedFileChoice {
        std::optional<std::string> path;
        std::function<void()> whileOpen;
    };

    bool keepsDrawings_;
    std::set<int> failingControls_;
    // WindowId is index + 1; a window never moves.
    std::vector<std::unique_ptr<HeadlessWindow>> windows_;
    std::deque<std::pair<WindowId, WindowEvent>> posted_;
    std::deque<ScriptedAnswer> answers_;
    std::deque<ScriptedFileChoice> fileChoices_;
    std::vector<MessageRecord> messages_;
    std::vector<FileDialogRequest> fileDialogs_;
    std::vector<std::string> sounds_;
};

}  // namespace fx
