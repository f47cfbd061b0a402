#include "window/headless/headless_layer.h"

#include <algorithm>

namespace fx {

namespace {

// A fixed frame of 3 pixels each side, a 19-pixel caption and a 19-pixel menu bar.
constexpr int frameWidth = 3;
constexpr int captionHeight = 19;
constexpr int menuBarHeight = 19;
constexpr Size screenSize = {1280, 1024};
constexpr Size workAreaSize = {1280, 994};  // the screen less a task bar
}  // namespace

Size HeadlessLayer::clientSizeOf(const WindowSpec& layout) {
    const int height = layout.outerSize.height - 2 * frameWidth - captionHeight -
                       (layout.hasMenuBar ? menuBarHeight : 0);
    return {std::max(layout.outerSize.width - 2 * frameWidth, 0), std::max(height, 0)};
}

HeadlessWindow* HeadlessLayer::window(WindowId id) {
    if (id < 1 || id > static_cast<int>(windows_.size())) return nullptr;
    HeadlessWindow& w = *windows_[id - 1];
    return w.open ? &w : nullptr;
}

HeadlessControl* HeadlessLayer::control(WindowId windowId, int id) {
    HeadlessWindow* w = window(windowId);
    if (!w) return nullptr;
    const auto found = w->controls.find(id);
    return found == w->controls.end() ? nullptr : &found->second;
}

const HeadlessMenuItem* HeadlessLayer::menuItem(WindowId windowId, int menuId) {
    HeadlessWindow* w = window(windowId);
    if (!w) return nullptr;
    for (const HeadlessMenuItem& item : w->menuItems)
        if (item.id == menuId) return &item;
    return nullptr;
}

// --- windows ---

WindowId HeadlessLayer::openWindow(const WindowSpec& layout, std::string_view title,
                                   EventHandler handler) {
    HeadlessWindow w;
    w.layout = layout;
    w.title = std::string(title);
    w.handler = std::move(handler);
    w.visible = layout.visible;
    w.screenPosition = layout.position;
    if (keepsDrawings_) w.image = PixelImage(clientSizeOf(layout), w.background);
    windows_.push_back(std::make_unique<HeadlessWindow>(std::move(w)));
    return static_cast<WindowId>(windows_.size());
}

void HeadlessLayer::closeWindow(WindowId id) {
    if (HeadlessWindow* w = window(id)) {
        w->runningTimers.clear();
        w->visible = false;
        w->open = false;
    }
}

void HeadlessLayer::showWindow(WindowId id, bool visible) {
    if (HeadlessWindow* w = window(id)) w->visible = visible;
}

void HeadlessLayer::centreInWorkArea(WindowId id) {
    HeadlessWindow* w = window(id);
    if (!w) return;
    const Size outer = w->layout.outerSize;
    int x = (workAreaSize.width - outer.width) / 2;
    int y = (workAreaSize.height - outer.height) / 2;
    x = std::max(0, std::min(x, workAreaSize.width - outer.width));
    y = std::max(0, std::min(y, workAreaSize.height - outer.height));
    w->screenPosition = {x, y};
    w->centred = true;
}

void HeadlessLayer::setBackground(WindowId id, Colour colour) {
    HeadlessWindow* w = window(id);
    if (!w) return;
    // Nothing has been drawn yet when the background is set; the image takes it on.
    w->background = colour;
    if (keepsDrawings_) w->image.fill({0, 0, w->image.size().width, w->image.size().height}, colour);
}

void HeadlessLayer::setDrawingState(WindowId id, const DrawingState& state) {
    if (HeadlessWindow* w = window(id)) w->drawing = state;
}

// --- drawing ---

void HeadlessLayer::drawLine(WindowId id, Point from, Point to, Colour colour) {
    HeadlessWindow* w = window(id);
    if (w && keepsDrawings_) w->image.line(from, to, colour);
}

void HeadlessLayer::drawRectangleOutline(WindowId id, Rect rect, Colour colour) {
    HeadlessWindow* w = window(id);
    if (!w || !keepsDrawings_ || rect.width <= 0 || rect.height <= 0) return;
    w->image.fill({rect.x, rect.y, rect.width, 1}, colour);
    w->image.fill({rect.x, rect.bottom() - 1, rect.width, 1}, colour);
    w->image.fill({rect.x, rect.y, 1, rect.height}, colour);
    w->image.fill({rect.right() - 1, rect.y, 1, rect.height}, colour);
}

void HeadlessLayer::fillRectangle(WindowId id, Rect rect, Colour colour) {
    HeadlessWindow* w = window(id);
    if (w && keepsDrawings_) w->image.fill(rect, colour);
}

void HeadlessLayer::drawText(WindowId id, Point topLeft, std::string_view text) {
    HeadlessWindow* w = window(id);
    if (!w || !keepsDrawings_) return;
    // No glyphs are rasterised: the text's cell (about 6 by 13 pixels a character in an
    // 8-point bold font) takes the text background, and the text itself is recorded.
    w->image.fill({topLeft.x, topLeft.y, 6 * static_cast<int>(text.size()), 13},
                  w->drawing.textBackground);
    w->drawnTexts[{topLeft.x, topLeft.y}] = text;
}

std::optional<std::string> HeadlessLayer::drawnTextAt(WindowId id, Point topLeft) {
    HeadlessWindow* w = window(id);
    if (!w) return std::nullopt;
    const auto found = w->drawnTexts.find({topLeft.x, topLeft.y});
    if (found == w->drawnTexts.end()) return std::nullopt;
    return found->second;
}

// --- menus and timers ---

void HeadlessLayer::attachMenuBar(WindowId id, std::span<const MenuSpec> menus) {
    HeadlessWindow* w = window(id);
    if (!w) return;
    w->menuItems.clear();
    for (const MenuSpec& menu : menus)
        for (const MenuItemSpec& item : menu.items)
            w->menuItems.push_back({menu.title, item.text, item.id, item.greyed, item.checked});
}

void HeadlessLayer::setMenuItemChecked(WindowId id, int menuId, bool checked) {
    HeadlessWindow* w = window(id);
    if (!w) return;
    for (HeadlessMenuItem& item : w->menuItems)
        if (item.id == menuId) item.checked = checked;
}

void HeadlessLayer::startTimer(WindowId id, int timerId, int periodMs) {
    if (HeadlessWindow* w = window(id)) w->runningTimers[timerId] = periodMs;
}

void HeadlessLayer::stopTimer(WindowId id, int timerId) {
    if (HeadlessWindow* w = window(id)) w->runningTimers.erase(timerId);
}

bool HeadlessLayer::timerRunning(WindowId id, int timerId) {
    HeadlessWindow* w = window(id);
    return w && w->runningTimers.count(timerId) != 0;
}

// --- controls ---

void HeadlessLayer::createControl(WindowId id, const ControlSpec& layout) {
    HeadlessWindow* w = window(id);
    if (!w || control(id, layout.id) || failingControls_.contains(layout.id)) return;
    HeadlessControl c;
    c.layout = layout;
    c.text = layout.text;
    // A drop-down list shows only its selected entry, never its window text.
    if (layout.kind == ControlKind::DropDownList || layout.kind == ControlKind::ReportList)
        c.text.clear();
    w->controls.emplace(layout.id, std::move(c));
}

void HeadlessLayer::setControlFont(WindowId id, int controlId, FontChoice font) {
    if (HeadlessControl* c = control(id, controlId)) c->font = font;
}

void HeadlessLayer::setControlColours(WindowId id, int controlId, Colour text, Colour background) {
    if (HeadlessControl* c = control(id, controlId)) {
        c->textColour = text;
        c->backgroundColour = background;
    }
}

std::string HeadlessLayer::controlText(WindowId id, int controlId) {
    HeadlessControl* c = control(id, controlId);
    if (!c) return {};
    if (c->layout.kind == ControlKind::DropDownList)
        return c->selected >= 0 ? c->entries[c->selected] : std::string();
    return c->text;
}

void HeadlessLayer::setControlText(WindowId id, int controlId, std::string_view text) {
    if (HeadlessControl* c = control(id, controlId)) c->text = text;
}

bool HeadlessLayer::isEnabled(WindowId id, int controlId) {
    HeadlessControl* c = control(id, controlId);
    return c && c->enabled;
}

void HeadlessLayer::setEnabled(WindowId id, int controlId, bool enabled) {
    if (HeadlessControl* c = control(id, controlId)) c->enabled = enabled;
}

bool HeadlessLayer::isChecked(WindowId id, int controlId) {
    HeadlessControl* c = control(id, controlId);
    return c && c->layout.kind == ControlKind::CheckBox && c->checked;
}

void HeadlessLayer::setChecked(WindowId id, int controlId, bool checked) {
    HeadlessControl* c = control(id, controlId);
    if (c && c->layout.kind == ControlKind::CheckBox) c->checked = checked;
}

void HeadlessLayer::addListEntry(WindowId id, int controlId, std::string_view text) {
    HeadlessControl* c = control(id, controlId);
    if (c && c->layout.kind == ControlKind::DropDownList) c->entries.emplace_back(text);
}

int HeadlessLayer::selectedPosition(WindowId id, int controlId) {
    HeadlessControl* c = control(id, controlId);
    return c && c->layout.kind == ControlKind::DropDownList ? c->selected : -1;
}

void HeadlessLayer::selectPosition(WindowId id, int controlId, int position) {
    HeadlessControl* c = control(id, controlId);
    if (!c || c->layout.kind != ControlKind::DropDownList) return;
    c->selected = position >= 0 && position < static_cast<int>(c->entries.size()) ? position : -1;
}

void HeadlessLayer::insertColumn(WindowId id, int controlId, std::string_view heading, int width) {
    HeadlessControl* c = control(id, controlId);
    if (!c || c->layout.kind != ControlKind::ReportList) return;
    c->columns.push_back({std::string(heading), width});
}

void HeadlessLayer::insertRowAtTop(WindowId id, int controlId, std::string_view firstCell) {
    HeadlessControl* c = control(id, controlId);
    if (!c || c->layout.kind != ControlKind::ReportList || c->refusesRows) return;
    // Every row has a cell for each column, and at least the first.
    c->rows.emplace_front(std::max<std::size_t>(c->columns.size(), 1));
    c->rows.front()[0] = firstCell;
}

void HeadlessLayer::refuseRows(WindowId id, int listId) {
    if (HeadlessControl* c = control(id, listId)) c->refusesRows = true;
}

namespace {

bool holdsCell(const HeadlessControl* c, int row, int column) {
    return c && row >= 0 && row < static_cast<int>(c->rows.size()) && column >= 0 &&
           column < static_cast<int>(c->rows[row].size());
}

}  // namespace

void HeadlessLayer::setCellText(WindowId id, int controlId, int row, int column,
                                std::string_view text) {
    HeadlessControl* c = control(id, controlId);
    if (holdsCell(c, row, column)) c->rows[row][column] = text;
}

std::string HeadlessLayer::cellText(WindowId id, int controlId, int row, int column) {
    HeadlessControl* c = control(id, controlId);
    return holdsCell(c, row, column) ? c->rows[row][column] : std::string();
}

int HeadlessLayer::rowCount(WindowId id, int controlId) {
    HeadlessControl* c = control(id, controlId);
    return c ? static_cast<int>(c->rows.size()) : 0;
}

void HeadlessLayer::deleteAllRows(WindowId id, int controlId) {
    if (HeadlessControl* c = control(id, controlId)) c->rows.clear();
}

void HeadlessLayer::forEachRow(WindowId id, int controlId, int columns, const RowVisitor& visit) {
    HeadlessControl* c = control(id, controlId);
    if (!c || columns <= 0) return;
    std::vector<std::string_view> cells(static_cast<std::size_t>(columns));
    for (const std::vector<std::string>& row : c->rows) {
        for (std::size_t column = 0; column < cells.size(); ++column)
            cells[column] = column < row.size() ? std::string_view(row[column]) : std::string_view();
        visit(cells);
    }
}

// --- services ---

MessageAnswer HeadlessLayer::showMessage(WindowId owner, std::string_view text,
                                         std::string_view caption, MessageIcon icon,
                                         MessageButtons buttons) {
    MessageRecord record{owner,
                         std::string(text),
                         std::string(caption),
                         icon,
                         buttons,
                         buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No};
    std::function<void()> whileOpen;
    if (!answers_.empty()) {
        record.answer = answers_.front().answer;
        whileOpen = std::move(answers_.front().whileOpen);
        answers_.pop_front();
    }
    messages_.push_back(record);
    if (onMessage) onMessage(record);
    // The box's own loop keeps delivering events while it is open.
    if (whileOpen) whileOpen();
    return record.answer;
}

std::optional<std::string> HeadlessLayer::chooseFileToOpen(const FileDialogRequest& request) {
    fileDialogs_.push_back(request);
    if (fileChoices_.empty()) return std::nullopt;
    ScriptedFileChoice choice = std::move(fileChoices_.front());
    fileChoices_.pop_front();
    if (choice.whileOpen) choice.whileOpen();
    return choice.path;
}

void HeadlessLayer::playSound(std::string_view fileName) { sounds_.emplace_back(fileName); }

void HeadlessLayer::forgetRecords() {
    messages_.clear();
    fileDialogs_.clear();
    sounds_.clear();
}

bool HeadlessLayer::runMessagePass() {
    if (!posted_.empty()) {
        while (!posted_.empty()) {
            const auto [target, event] = posted_.front();
            posted_.pop_front();
            deliver(target, event);
        }
        return true;
    }
    // Waiting: the next thing to arrive is a tick of each running timer.
    bool delivered = false;
    for (WindowId id = 1; id <= static_cast<WindowId>(windows_.size()); ++id) {
        HeadlessWindow* w = window(id);
        if (!w) continue;
        std::vector<int> timers;
        for (const auto& [timerId, period] : w->runningTimers) timers.push_back(timerId);
        for (int timerId : timers) {
            if (beforeWaitedTick) beforeWaitedTick(id, timerId);
            delivered = tick(id, timerId) || delivered;
        }
    }
    return delivered;
}

// --- user actions ---

void HeadlessLayer::deliver(WindowId id, const WindowEvent& event) {
    HeadlessWindow* w = window(id);
    if (!w || !w->handler) return;
    // Copies of the handler and the event: an inner delivery can change neither.
    const EventHandler handler = w->handler;
    const WindowEvent ownEvent = event;
    handler(ownEvent);
}

void HeadlessLayer::post(WindowId id, const WindowEvent& event) { posted_.emplace_back(id, event); }

bool HeadlessLayer::click(WindowId id, int controlId) {
    HeadlessControl* c = control(id, controlId);
    if (!c || !c->enabled) return false;
    if (c->layout.kind == ControlKind::CheckBox) c->checked = !c->checked;
    WindowEvent event;
    event.kind = EventKind::ControlNotify;
    event.controlId = controlId;
    event.notifyCode = 0;
    deliver(id, event);
    return true;
}

bool HeadlessLayer::choose(WindowId id, int listId, int position) {
    HeadlessControl* c = control(id, listId);
    if (!c || !c->enabled || c->layout.kind != ControlKind::DropDownList || position < 0 ||
        position >= static_cast<int>(c->entries.size()))
        return false;
    c->selected = position;
    WindowEvent event;
    event.kind = EventKind::ControlNotify;
    event.controlId = listId;
    event.notifyCode = selectionChangedCode;
    deliver(id, event);
    return true;
}

bool HeadlessLayer::chooseMenu(WindowId id, int menuId) {
    const HeadlessMenuItem* item = menuItem(id, menuId);
    if (!item || item->greyed) return false;
    WindowEvent event;
    event.kind = EventKind::MenuCommand;
    event.menuId = menuId;
    deliver(id, event);
    return true;
}

bool HeadlessLayer::tick(WindowId id, int timerId) {
    if (!timerRunning(id, timerId)) return false;
    WindowEvent event;
    event.kind = EventKind::TimerTick;
    event.timerId = timerId;
    deliver(id, event);
    return true;
}

void HeadlessLayer::requestClose(WindowId id) {
    WindowEvent event;
    event.kind = EventKind::CloseRequest;
    deliver(id, event);
}

void HeadlessLayer::queueMessageAnswer(MessageAnswer answer, std::function<void()> whileOpen) {
    answers_.push_back({answer, std::move(whileOpen)});
}

void HeadlessLayer::queueFileChoice(std::optional<std::string> path,
                                    std::function<void()> whileOpen) {
    fileChoices_.push_back({std::move(path), std::move(whileOpen)});
}

}  // namespace fx
