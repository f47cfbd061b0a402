// The two windows as Win32 made them, against the design written out here: every
// control's id, kind, place, size, text, font, colours and first state, the menu bar,
// the list's columns, the drawings made at start, the frames.

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "win32_monitor.h"

namespace {

using fxtest::windowText;

constexpr fx::Colour windowColour = fx::rgb(204, 204, 153);

enum class Kind { Label, DropDownList, CheckBox, SlotBox, EditBox, Button, DefaultButton, List };
enum class Font { Default, Ariel };
enum class Colours { Default, Window };

struct Row {
    int id;
    Kind kind;
    std::string text;
    fx::Rect place;  // a drop-down list: its height with the list dropped down
    Font font;
    Colours colours;
    bool enabled;
};

std::vector<Row> mainWindowRows() {
    std::vector<Row> rows = {
        {2, Kind::Label, "Reference Day:", {15, 15, 98, 16}, Font::Default, Colours::Window, true},
        {3, Kind::DropDownList, "", {15, 30, 108, 109}, Font::Ariel, Colours::Window, true},
        {1, Kind::CheckBox, "Real-Time Mode", {178, 30, 125, 20}, Font::Ariel, Colours::Window, false},
    };
    for (int s = 1; s <= 14; ++s)
        rows.push_back({4 + s, Kind::SlotBox, "Pair" + std::to_string(s), {25, 140 + 24 * (s - 1), 70, 20},
                        Font::Ariel, Colours::Default, true});
    for (int s = 1; s <= 14; ++s)
        rows.push_back({19 + s, Kind::SlotBox, "Price" + std::to_string(s), {110, 140 + 24 * (s - 1), 70, 20},
                        Font::Ariel, Colours::Default, true});
    const std::vector<Row> rest = {
        {40, Kind::Button, "Buy", {210, 140, 70, 20}, Font::Ariel, Colours::Window, false},
        {41, Kind::Button, "Sell", {210, 163, 70, 20}, Font::Ariel, Colours::Window, false},
        {42, Kind::Button, "Close", {288, 140, 70, 20}, Font::Ariel, Colours::Window, false},
        {43, Kind::Button, "Clear", {364, 140, 70, 20}, Font::Ariel, Colours::Window, false},
        {44, Kind::EditBox, "0", {288, 194, 70, 20}, Font::Ariel, Colours::Window, true},
        {46, Kind::List, "", {200, 244, 410, 228}, Font::Ariel, Colours::Default, true},
    };
    rows.insert(rows.end(), rest.begin(), rest.end());
    return rows;
}

const std::vector<Row> optionsWindowRows = {
    {2, Kind::CheckBox, "Alert - Anchor pairs displaced by opposing pair.", {10, 15, 450, 22}, Font::Ariel, Colours::Window, true},
    {3, Kind::EditBox, "", {60, 35, 390, 20}, Font::Ariel, Colours::Window, true},
    {4, Kind::CheckBox, "Alert - Reference Bias Shift (Buy/Sell Power Shift).", {10, 65, 450, 22}, Font::Ariel, Colours::Window, true},
    {5, Kind::EditBox, "", {60, 87, 390, 20}, Font::Ariel, Colours::Window, true},
    {6, Kind::CheckBox, "Alert - Grouped Buy/Sell Pairs.", {10, 115, 450, 20}, Font::Ariel, Colours::Window, true},
    {7, Kind::EditBox, "", {60, 135, 390, 20}, Font::Ariel, Colours::Window, true},
    {8, Kind::CheckBox, "Alert when:", {10, 165, 90, 20}, Font::Ariel, Colours::Window, true},
    {10, Kind::DropDownList, "", {95, 165, 70, 80}, Font::Ariel, Colours::Window, true},
    {11, Kind::DropDownList, "", {255, 165, 57, 80}, Font::Ariel, Colours::Window, true},
    {9, Kind::EditBox, "", {60, 190, 390, 20}, Font::Ariel, Colours::Window, true},
    {1, Kind::DefaultButton, "Exit", {407, 260, 70, 20}, Font::Ariel, Colours::Window, true},
};

// A drop-down list is made as high as its dropped-down list, then shows only its field:
// its height is seen as it is created.
std::map<HWND, int> createdHeight;
LRESULT CALLBACK recordHeight(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND)
        createdHeight[reinterpret_cast<HWND>(wParam)] = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs->cy;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The colours a control is drawn in, as its parent answers the control's colour message.
struct DrawnColours {
    COLORREF text, background;
};
DrawnColours coloursOf(HWND control, UINT message) {
    HDC dc = GetDC(control);
    SetTextColor(dc, fx::rgb(1, 2, 3));
    SetBkColor(dc, fx::rgb(4, 5, 6));
    SendMessageA(GetParent(control), message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
    const DrawnColours colours{GetTextColor(dc), GetBkColor(dc)};
    ReleaseDC(control, dc);
    return colours;
}

void expectKind(HWND control, Kind kind) {
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    const LONG extended = GetWindowLongA(control, GWL_EXSTYLE);
    const std::string name = fxtest::className(control);
    switch (kind) {
        case Kind::Label:
            EXPECT_EQ(name, "Static");
            EXPECT_EQ(style & SS_TYPEMASK, SS_SIMPLE);
            EXPECT_TRUE(style & SS_NOTIFY);
            break;
        case Kind::DropDownList:
            EXPECT_EQ(name, "ComboBox");
            EXPECT_EQ(style & 3, CBS_DROPDOWNLIST);
            EXPECT_TRUE((style & CBS_HASSTRINGS) && (style & CBS_NOINTEGRALHEIGHT));
            EXPECT_FALSE(style & CBS_SORT);
            break;
        case Kind::CheckBox:
            EXPECT_EQ(name, "Button");
            EXPECT_EQ(style & BS_TYPEMASK, BS_AUTOCHECKBOX);
            break;
        case Kind::SlotBox:
        case Kind::EditBox:
            EXPECT_EQ(name, "Edit");
            EXPECT_EQ((style & ES_READONLY) != 0, kind == Kind::SlotBox);
            EXPECT_TRUE((style & WS_BORDER) && (extended & WS_EX_CLIENTEDGE));
            break;
        case Kind::Button:
        case Kind::DefaultButton:
            EXPECT_EQ(name, "Button");
            EXPECT_EQ(style & BS_TYPEMASK, kind == Kind::Button ? BS_PUSHBUTTON : BS_DEFPUSHBUTTON);
            break;
        case Kind::List:
            EXPECT_EQ(name, "SysListView32");
            EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT);
            break;
    }
}

void expectFont(HWND control, Font font) {
    HFONT handle = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    if (font == Font::Default) {
        EXPECT_EQ(handle, nullptr);
        return;
    }
    LOGFONTA chosen;
    ASSERT_EQ(GetObjectA(handle, sizeof chosen, &chosen), static_cast<int>(sizeof chosen));
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    EXPECT_STREQ(chosen.lfFaceName, "Ariel");
    EXPECT_EQ(chosen.lfHeight, -MulDiv(8, dpi, 72));
    EXPECT_EQ(chosen.lfWeight, FW_BOLD);
    EXPECT_EQ(chosen.lfQuality, DRAFT_QUALITY);
    EXPECT_FALSE(chosen.lfItalic || chosen.lfUnderline || chosen.lfStrikeOut);
}

void expectColours(HWND control, const Row& row) {
    // Read-only and disabled edit boxes, labels and check boxes ask with WM_CTLCOLORSTATIC.
    const bool editable = row.kind == Kind::EditBox && IsWindowEnabled(control);
    const UINT message = row.kind == Kind::Button || row.kind == Kind::DefaultButton ? WM_CTLCOLORBTN
                         : editable                                            ? WM_CTLCOLOREDIT
                                                                               : WM_CTLCOLORSTATIC;
    if (row.kind == Kind::List || row.kind == Kind::DropDownList) return;  // seen in pixels below
    const DrawnColours colours = coloursOf(control, message);
    if (row.colours == Colours::Window) {
        EXPECT_EQ(colours.text, fx::black);
        EXPECT_EQ(colours.background, windowColour);
    } else {
        EXPECT_NE(colours.background, windowColour);
    }
}

void expectRows(HWND window, const std::vector<Row>& rows) {
    int children = 0;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) ++children;
    EXPECT_EQ(children, static_cast<int>(rows.size()));
    for (const Row& row : rows) {
        SCOPED_TRACE("control " + std::to_string(row.id));
        HWND control = GetDlgItem(window, row.id);
        ASSERT_NE(control, nullptr);
        expectKind(control, row.kind);
        const fx::Rect place = fxtest::placeInParent(control);
        if (row.kind == Kind::DropDownList) {
            EXPECT_EQ((fx::Rect{place.x, place.y, place.width, createdHeight.at(control)}), row.place);
            EXPECT_EQ(SendMessageA(control, CB_GETCURSEL, 0, 0), CB_ERR);
        } else {
            EXPECT_EQ(place, row.place);
        }
        EXPECT_EQ(windowText(control), row.text);
        expectFont(control, row.font);
        expectColours(control, row);
        EXPECT_EQ(IsWindowEnabled(control) != 0, row.enabled);
        if (row.kind == Kind::CheckBox) EXPECT_EQ(SendMessageA(control, BM_GETCHECK, 0, 0), BST_UNCHECKED);
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

TEST_F(WindowTablesTest, MainWindowFrameAndControlsAreAsDesigned) {
    HWND main = app.mainWindow();
    EXPECT_EQ(windowText(main), "Vantrel IA Monitor/Simulator (Original) v17b by Dorsan");
    EXPECT_EQ(fxtest::screenRect(main), (fx::Rect{0, 0, 630, 535}));
    EXPECT_TRUE(IsWindowVisible(main));
    const LONG style = GetWindowLongA(main, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN),
              WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN);
    EXPECT_FALSE(style & (WS_MAXIMIZEBOX | WS_THICKFRAME));
    expectRows(main, mainWindowRows());
}

TEST_F(WindowTablesTest, OptionsWindowFrameAndControlsAreAsDesigned) {
    HWND options = app.optionsWindow();
    EXPECT_EQ(windowText(options), "Sounds/Alert Options");
    EXPECT_FALSE(IsWindowVisible(options));
    const fx::Rect place = fxtest::screenRect(options);
    RECT area;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    EXPECT_EQ(place, (fx::Rect{area.left + (area.right - area.left - 515) / 2,
                               area.top + (area.bottom - area.top - 350) / 2, 515, 350}));
    const LONG style = GetWindowLongA(options, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_EQ(GetWindow(options, GW_OWNER), nullptr);
    expectRows(options, optionsWindowRows);
}

TEST_F(WindowTablesTest, MenuBarItemsAndStates) {
    struct Item {
        const char* text;
        int id;
        bool greyed, checked;
    };
    const std::vector<std::pair<const char*, std::vector<Item>>> menus = {
        {"&File", {{"Print Window", 1, true, false}, {"Save Log", 2, false, false},
                   {"Clear Log", 3, false, false}, {"Quit", 4, false, false}}},
        {"Log Timers", {{"60 minutes", 20, false, false}, {"30 minutes", 21, false, false},
                        {"15 minutes", 22, false, true}, {"10 minutes", 23, false, false},
                        {"5 minutes", 24, false, false}, {"1 minute", 25, false, false}}},
        {"Pairs", {{"IBFX Pairs", 30, true, false}, {"Vantrel Original", 31, true, true}}},
        {"Options", {{"Sound/Alerts", 35, false, false}, {"Pair Alerts", 36, true, false}}},
    };
    HMENU bar = GetMenu(app.mainWindow());
    ASSERT_EQ(GetMenuItemCount(bar), 4);
    for (std::size_t m = 0; m < menus.size(); ++m) {
        char title[64] = "";
        GetMenuStringA(bar, static_cast<UINT>(m), title, sizeof title, MF_BYPOSITION);
        EXPECT_STREQ(title, menus[m].first);
        HMENU dropDown = GetSubMenu(bar, static_cast<int>(m));
        ASSERT_EQ(GetMenuItemCount(dropDown), static_cast<int>(menus[m].second.size()));
        for (std::size_t i = 0; i < menus[m].second.size(); ++i) {
            const Item& item = menus[m].second[i];
            char text[64] = "";
            GetMenuStringA(dropDown, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
            EXPECT_STREQ(text, item.text);
            EXPECT_EQ(GetMenuItemID(dropDown, static_cast<int>(i)), static_cast<UINT>(item.id)) << item.text;
            const UINT state = GetMenuState(dropDown, static_cast<UINT>(i), MF_BYPOSITION);
            EXPECT_EQ((state & MF_GRAYED) != 0, item.greyed) << item.text;
            EXPECT_EQ((state & MF_CHECKED) != 0, item.checked) << item.text;
        }
    }
    // The check mark moves to the chosen "Log Timers" item.
    app.chooseMenu(25);
    for (int id = 20; id <= 25; ++id)
        EXPECT_EQ((GetMenuState(bar, static_cast<UINT>(id), MF_BYCOMMAND) & MF_CHECKED) != 0, id == 25);
}

TEST_F(WindowTablesTest, LogColumnsAndTheDrawingsMadeAtStart) {
    HWND log = app.mainControl(46);
    const std::pair<const char*, int> columns[] = {{"Date", 75}, {"Time", 60}, {"Description", 265}};
    for (int c = 0; c < 3; ++c) {
        char heading[32] = "";
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = heading;
        column.cchTextMax = sizeof heading;
        ASSERT_TRUE(SendMessageA(log, LVM_GETCOLUMNA, static_cast<WPARAM>(c), reinterpret_cast<LPARAM>(&column)));
        EXPECT_STREQ(heading, columns[c].first);
        EXPECT_EQ(column.cx, columns[c].second);
    }
    const fx::ImagePixels image = app.layer.readImage(app.monitor().mainWindow);
    // The separator: from x 20 to 184 at y 306, two pixels above slot 8.
    EXPECT_EQ(image.at(20, 306), fx::black);
    EXPECT_EQ(image.at(184, 306), fx::black);
    EXPECT_EQ(image.at(185, 306), windowColour);
    EXPECT_EQ(image.at(100, 305), windowColour);
    // The simulator frame: the outline of 243 x 108 from (200, 119).
    EXPECT_EQ(image.at(200, 170), fx::black);
    EXPECT_EQ(image.at(442, 170), fx::black);
    EXPECT_EQ(image.at(443, 170), windowColour);
    EXPECT_EQ(image.at(320, 226), fx::black);
    EXPECT_EQ(image.at(430, 119), fx::black);
    EXPECT_EQ(image.at(320, 170), windowColour);
    // "RT Trade Simulator" from (200, 112) covers the frame's top edge where it stands.
    int ink = 0;
    int edgeCovered = 0;
    for (int x = 200; x < 260; ++x) {
        for (int y = 112; y < 119; ++y) ink += image.at(x, y) == fx::black;
        edgeCovered += image.at(x, 119) != fx::black;
    }
    EXPECT_GT(ink, 20);
    EXPECT_GT(edgeCovered, 20);
}

// The share of a window's client area that the screen shows in the window colour.
double windowColourShare(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    const int width = client.right;
    const int height = client.bottom;
    BITMAPINFO format = {};
    format.bmiHeader = {sizeof format.bmiHeader, width, -height, 1, 32, BI_RGB};
    void* bits = nullptr;
    HDC screen = GetDC(window);
    HDC copy = CreateCompatibleDC(screen);
    HBITMAP picture = CreateDIBSection(screen, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(copy, picture);
    BitBlt(copy, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    int matching = 0;
    const auto* pixels = static_cast<const std::uint32_t*>(bits);  // 0x00RRGGBB
    for (int i = 0; i < width * height; ++i)
        matching += pixels[i] == ((204u << 16) | (204u << 8) | 153u);
    SelectObject(copy, previous);
    DeleteObject(picture);
    DeleteDC(copy);
    ReleaseDC(window, screen);
    return width * height > 0 ? static_cast<double>(matching) / (width * height) : 0.0;
}

// Was: the list that drops down from a drop-down list asked for its colours through its
// parent, the desktop, and was drawn white.
TEST_F(WindowTablesTest, DroppedListsAreDrawnInWindowColours) {
    app.chooseMenu(fx::mainwin::soundAlertsItem);
    for (HWND combo : {app.mainControl(3), app.optionsControl(10), app.optionsControl(11)}) {
        SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
        fxtest::pumpMessages();
        COMBOBOXINFO info = {};
        info.cbSize = sizeof info;
        ASSERT_TRUE(GetComboBoxInfo(combo, &info));
        UpdateWindow(info.hwndList);
        EXPECT_GT(windowColourShare(info.hwndList), 0.5) << GetDlgCtrlID(combo);
        SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);
    }
}

// What the screen shows of the controls in window colours: the label, the combo box's
// field, the check box and the pips box, each at a point clear of its text.
TEST_F(WindowTablesTest, ControlsInWindowColoursArePaintedInThem) {
    const std::pair<int, POINT> samples[] = {{2, {96, 1}}, {3, {20, 4}}, {1, {122, 2}}, {44, {6, 4}}};
    for (const auto& [id, point] : samples) {
        HWND control = app.mainControl(id);
        RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
        HDC dc = GetDC(control);
        EXPECT_EQ(GetPixel(dc, point.x, point.y), windowColour) << "control " << id;
        ReleaseDC(control, dc);
    }
}

}  // namespace
