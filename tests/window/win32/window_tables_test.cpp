// The two windows as Win32 made them, against the design written out here: every
// control's id, kind, place, text, font, colours and first state, the menu bar, the log's
// columns, the drawings made at start.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "win32_monitor.h"

namespace {

using fxtest::screenPixel;
using fxtest::windowText;

constexpr fx::Colour windowColour = fx::rgb(204, 204, 153);

enum class Kind { Label, DropDownList, CheckBox, SlotBox, EditBox, Button, DefaultButton, List };

struct Row {
    int id;
    Kind kind;
    std::string text;
    fx::Rect place;  // a drop-down list: its height with the list dropped down
    bool windowColours = true;
    bool enabled = true;
};

using enum Kind;

std::vector<Row> mainWindowRows() {
    std::vector<Row> rows = {
        {2, Label, "Reference Day:", {15, 15, 98, 16}},
        {3, DropDownList, "", {15, 30, 108, 109}},
        {1, CheckBox, "Real-Time Mode", {178, 30, 125, 20}, true, false},
        {40, Button, "Buy", {210, 140, 70, 20}, true, false},
        {41, Button, "Sell", {210, 163, 70, 20}, true, false},
        {42, Button, "Close", {288, 140, 70, 20}, true, false},
        {43, Button, "Clear", {364, 140, 70, 20}, true, false},
        {44, EditBox, "0", {288, 194, 70, 20}},
        {46, List, "", {200, 244, 410, 228}, false},
    };
    for (int s = 1; s <= 14; ++s) {
        const int y = 140 + 24 * (s - 1);
        rows.push_back({4 + s, SlotBox, "Pair" + std::to_string(s), {25, y, 70, 20}, false});
        rows.push_back({19 + s, SlotBox, "Price" + std::to_string(s), {110, y, 70, 20}, false});
    }
    return rows;
}

const std::vector<Row> optionsWindowRows = {
    {2, CheckBox, "Alert - Anchor pairs displaced by opposing pair.", {10, 15, 450, 22}},
    {3, EditBox, "", {60, 35, 390, 20}},
    {4, CheckBox, "Alert - Reference Bias Shift (Buy/Sell Power Shift).", {10, 65, 450, 22}},
    {5, EditBox, "", {60, 87, 390, 20}},
    {6, CheckBox, "Alert - Grouped Buy/Sell Pairs.", {10, 115, 450, 20}},
    {7, EditBox, "", {60, 135, 390, 20}},
    {8, CheckBox, "Alert when:", {10, 165, 90, 20}},
    {10, DropDownList, "", {95, 165, 70, 80}},
    {11, DropDownList, "", {255, 165, 57, 80}},
    {9, EditBox, "", {60, 190, 390, 20}},
    {1, DefaultButton, "Exit", {407, 260, 70, 20}},
};

// A drop-down list is made as high as its dropped-down list, then shows only its field.
std::map<HWND, int> createdHeight;
LRESULT CALLBACK recordHeight(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND)
        createdHeight[reinterpret_cast<HWND>(wParam)] =
            reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs->cy;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void expectKind(HWND control, Kind kind) {
    struct Made {
        const char* className;
        LONG typeMask, type;
    };
    const std::map<Kind, Made> made = {{Label, {"Static", SS_TYPEMASK, SS_SIMPLE}},
                                       {DropDownList, {"ComboBox", 3, CBS_DROPDOWNLIST}},
                                       {CheckBox, {"Button", BS_TYPEMASK, BS_AUTOCHECKBOX}},
                                       {SlotBox, {"Edit", ES_READONLY, ES_READONLY}},
                                       {EditBox, {"Edit", ES_READONLY, 0}},
                                       {Button, {"Button", BS_TYPEMASK, BS_PUSHBUTTON}},
                                       {DefaultButton, {"Button", BS_TYPEMASK, BS_DEFPUSHBUTTON}},
                                       {List, {"SysListView32", LVS_TYPEMASK, LVS_REPORT}}};
    EXPECT_EQ(fxtest::className(control), made.at(kind).className);
    EXPECT_EQ(GetWindowLongA(control, GWL_STYLE) & made.at(kind).typeMask, made.at(kind).type);
}

void expectFont(HWND control, bool ariel) {
    HFONT handle = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    EXPECT_EQ(handle != nullptr, ariel);
    if (!handle) return;
    LOGFONTA chosen;
    ASSERT_EQ(GetObjectA(handle, sizeof chosen, &chosen), static_cast<int>(sizeof chosen));
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(chosen.lfHeight, -MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72));
    ReleaseDC(nullptr, screen);
    EXPECT_STREQ(chosen.lfFaceName, "Ariel");
    EXPECT_EQ(chosen.lfWeight, FW_BOLD);
}

// The colours the parent gives when the control asks before drawing itself.
void expectColours(HWND control, const Row& row) {
    if (row.kind == List || row.kind == DropDownList) return;  // seen on screen below
    const bool button = row.kind == Button || row.kind == DefaultButton;
    const bool editable = row.kind == EditBox && IsWindowEnabled(control);
    HDC dc = GetDC(control);
    SetBkColor(dc, fx::rgb(4, 5, 6));
    SendMessageA(GetParent(control),
                 button     ? WM_CTLCOLORBTN
                 : editable ? WM_CTLCOLOREDIT
                            : WM_CTLCOLORSTATIC,
                 reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
    EXPECT_EQ(GetBkColor(dc) == windowColour, row.windowColours);
    EXPECT_TRUE(!row.windowColours || GetTextColor(dc) == fx::black);
    ReleaseDC(control, dc);
}

void expectRows(HWND window, const std::vector<Row>& rows) {
    int children = 0;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        ++children;
    EXPECT_EQ(children, static_cast<int>(rows.size()));
    for (const Row& row : rows) {
        SCOPED_TRACE("control " + std::to_string(row.id));
        HWND control = GetDlgItem(window, row.id);
        ASSERT_NE(control, nullptr);
        expectKind(control, row.kind);
        fx::Rect place = fxtest::screenRect(control);
        POINT corner = {place.x, place.y};
        ScreenToClient(window, &corner);
        place = {corner.x, corner.y, place.width, place.height};
        if (row.kind == DropDownList) place.height = createdHeight.at(control);
        EXPECT_EQ(place, row.place);
        EXPECT_EQ(windowText(control), row.text);
        expectFont(control, row.kind != Label);
        expectColours(control, row);
        EXPECT_EQ(IsWindowEnabled(control) != 0, row.enabled);
    }
}

class WindowTablesTest : public ::testing::Test {
protected:
    void SetUp() override {
        app.writeData(5);
        createdHeight.clear();
        HHOOK hook = SetWindowsHookExA(WH_CBT, &recordHeight, nullptr, GetCurrentThreadId());
        app.start();
        UnhookWindowsHookEx(hook);
    }
    fxtest::Win32Monitor app;
};

TEST_F(WindowTablesTest, WindowsAndTheirControlsAreAsDesigned) {
    EXPECT_EQ(windowText(app.mainWindow()),
              "Vantrel IA Monitor/Simulator (Original) v17b by Dorsan");
    EXPECT_EQ(fxtest::screenRect(app.mainWindow()), (fx::Rect{0, 0, 630, 535}));
    const auto frame = [](HWND window) {
        return GetWindowLongA(window, GWL_STYLE) &
               (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME);
    };
    EXPECT_EQ(frame(app.mainWindow()), WS_MINIMIZEBOX);
    EXPECT_EQ(frame(app.optionsWindow()), 0);
    expectRows(app.mainWindow(), mainWindowRows());

    HWND options = app.optionsWindow();
    EXPECT_EQ(windowText(options), "Sounds/Alert Options");
    EXPECT_FALSE(IsWindowVisible(options));
    RECT area;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    EXPECT_EQ(fxtest::screenRect(options),
              (fx::Rect{area.left + (area.right - area.left - 515) / 2,
                        area.top + (area.bottom - area.top - 350) / 2, 515, 350}));
    expectRows(options, optionsWindowRows);
}

TEST_F(WindowTablesTest, MenuBarItemsAndStates) {
    struct Item {
        const char* text;
        UINT id;
        UINT state = 0;
    };
    const std::vector<std::pair<const char*, std::vector<Item>>> menus = {
        {"&File", {{"Print Window", 1, MF_GRAYED}, {"Save Log", 2}, {"Clear Log", 3}, {"Quit", 4}}},
        {"Log Timers",
         {{"60 minutes", 20},
          {"30 minutes", 21},
          {"15 minutes", 22, MF_CHECKED},
          {"10 minutes", 23},
          {"5 minutes", 24},
          {"1 minute", 25}}},
        {"Pairs",
         {{"IBFX Pairs", 30, MF_GRAYED}, {"Vantrel Original", 31, MF_GRAYED | MF_CHECKED}}},
        {"Options", {{"Sound/Alerts", 35}, {"Pair Alerts", 36, MF_GRAYED}}},
    };
    HMENU bar = GetMenu(app.mainWindow());
    ASSERT_EQ(GetMenuItemCount(bar), 4);
    for (UINT m = 0; m < menus.size(); ++m) {
        char text[64] = "";
        GetMenuStringA(bar, m, text, sizeof text, MF_BYPOSITION);
        EXPECT_STREQ(text, menus[m].first);
        HMENU dropDown = GetSubMenu(bar, static_cast<int>(m));
        ASSERT_EQ(GetMenuItemCount(dropDown), static_cast<int>(menus[m].second.size()));
        for (UINT i = 0; i < menus[m].second.size(); ++i) {
            const Item& item = menus[m].second[i];
            GetMenuStringA(dropDown, i, text, sizeof text, MF_BYPOSITION);
            EXPECT_STREQ(text, item.text);
            EXPECT_EQ(GetMenuItemID(dropDown, static_cast<int>(i)), item.id) << item.text;
            EXPECT_EQ(GetMenuState(dropDown, i, MF_BYPOSITION) & (MF_GRAYED | MF_CHECKED),
                      item.state)
                << item.text;
        }
    }
}

TEST_F(WindowTablesTest, LogColumnsAndTheDrawingsMadeAtStart) {
    const std::pair<const char*, int> columns[] = {
        {"Date", 75}, {"Time", 60}, {"Description", 265}};
    for (int c = 0; c < 3; ++c) {
        char heading[32] = "";
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = heading;
        column.cchTextMax = sizeof heading;
        ASSERT_TRUE(SendMessageA(app.mainControl(46), LVM_GETCOLUMNA, c,
                                 reinterpret_cast<LPARAM>(&column)));
        EXPECT_STREQ(heading, columns[c].first);
        EXPECT_EQ(column.cx, columns[c].second);
    }
    // The separator from x 20 to 184 at y 306; the simulator frame, 243 x 108 from (200, 119).
    const fx::ImagePixels image = app.layer.readImage(app.monitor().mainWindow);
    const std::pair<fx::Point, fx::Colour> pixels[] = {
        {{20, 306}, fx::black},  {{184, 306}, fx::black},   {{185, 306}, windowColour},
        {{200, 170}, fx::black}, {{442, 170}, fx::black},   {{443, 170}, windowColour},
        {{320, 226}, fx::black}, {{320, 170}, windowColour}};
    for (const auto& [at, colour] : pixels)
        EXPECT_EQ(image.at(at.x, at.y), colour) << at.x << "," << at.y;
}

// What the screen shows: the label, the combo box's field, the check box and the pips box
// at a point clear of their text, and most of each dropped-down list (was: that list asked
// its parent, the desktop, for colours and was drawn white).
TEST_F(WindowTablesTest, ControlsInWindowColoursArePaintedInThem) {
    const std::pair<int, POINT> samples[] = {
        {2, {96, 1}}, {3, {20, 4}}, {1, {122, 2}}, {44, {6, 4}}};
    for (const auto& [id, point] : samples) {
        HWND control = app.mainControl(id);
        RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
        EXPECT_EQ(screenPixel(control, point.x, point.y), windowColour) << "control " << id;
    }
    app.chooseMenu(fx::mainwin::soundAlertsItem);
    for (HWND combo : {app.mainControl(3), app.optionsControl(10), app.optionsControl(11)}) {
        SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
        fxtest::pumpMessages();
        COMBOBOXINFO info = {};
        info.cbSize = sizeof info;
        ASSERT_TRUE(GetComboBoxInfo(combo, &info));
        UpdateWindow(info.hwndList);
        RECT client;
        GetClientRect(info.hwndList, &client);
        int inWindowColour = 0;
        for (int i = 0; i < 100; ++i)
            inWindowColour += screenPixel(info.hwndList, client.right * (i % 10) / 10,
                                          client.bottom * (i / 10) / 10) == windowColour;
        EXPECT_GT(inWindowColour, 50) << GetDlgCtrlID(combo);
        SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);
    }
}

}  // namespace
