// The two windows as Win32 made them from their tables: frames, controls, fonts,
// first states, menu bar and the drawings made at start.

#include <gtest/gtest.h>

#include <map>

#include "monitor/options_window.h"
#include "win32_monitor.h"

namespace {

using fxtest::className;
using fxtest::placeInParent;
using fxtest::windowText;

// How the windows were created, as a creation hook sees it. A drop-down list is made as
// high as its dropped-down list and then shows only its selection field; it moves its
// scroll bar and sunken edge to its parts.
struct Creation {
    int height = 0;
    LONG style = 0;
    DWORD extendedStyle = 0;
};
std::map<HWND, Creation> created;

LRESULT CALLBACK recordCreation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        const CREATESTRUCTA& window = *reinterpret_cast<const CBT_CREATEWNDA*>(lParam)->lpcs;
        created[reinterpret_cast<HWND>(wParam)] = {window.cy, window.style, window.dwExStyle};
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class WindowTablesTest : public ::testing::Test {
protected:
    void SetUp() override {
        app.writeData(5);
        created.clear();
        HHOOK hook = SetWindowsHookExA(WH_CBT, &recordCreation, nullptr, GetCurrentThreadId());
        app.start();
        UnhookWindowsHookEx(hook);
    }
    fxtest::Win32Monitor app;
};

const char* classOf(fx::ControlKind kind) {
    switch (kind) {
        case fx::ControlKind::Label:
            return "Static";
        case fx::ControlKind::DropDownList:
            return "ComboBox";
        case fx::ControlKind::CheckBox:
        case fx::ControlKind::PushButton:
            return "Button";
        case fx::ControlKind::EditBox:
            return "Edit";
        case fx::ControlKind::ReportList:
            return "SysListView32";
    }
    return "";
}

// The style bits that make a control the kind its row names.
void expectKind(HWND control, const fx::ControlSpec& layout) {
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    const LONG extended = GetWindowLongA(control, GWL_EXSTYLE);
    EXPECT_STREQ(fxtest::className(control).c_str(), classOf(layout.kind));
    switch (layout.kind) {
        case fx::ControlKind::Label:
            EXPECT_EQ(style & SS_TYPEMASK, SS_SIMPLE);
            EXPECT_TRUE(style & SS_NOTIFY);
            break;
        case fx::ControlKind::DropDownList: {
            EXPECT_EQ(style & 3, CBS_DROPDOWNLIST);
            EXPECT_TRUE(style & CBS_HASSTRINGS);
            EXPECT_TRUE(style & CBS_NOINTEGRALHEIGHT);
            // The combo box hands its scroll bar and sunken edge on to its parts.
            EXPECT_EQ((created.at(control).style & WS_VSCROLL) != 0,
                      (layout.style & fx::StyleVScroll) != 0);
            EXPECT_TRUE(created.at(control).extendedStyle & WS_EX_CLIENTEDGE);
            break;
        }
        case fx::ControlKind::CheckBox:
            EXPECT_EQ(style & BS_TYPEMASK, BS_AUTOCHECKBOX);
            break;
        case fx::ControlKind::EditBox:
            EXPECT_EQ((style & ES_READONLY) != 0, (layout.style & fx::StyleReadOnly) != 0);
            EXPECT_EQ((style & ES_CENTER) != 0, (layout.style & fx::StyleCentred) != 0);
            EXPECT_EQ((style & ES_AUTOHSCROLL) == 0, (layout.style & fx::StyleNoHScroll) != 0);
            EXPECT_TRUE(style & WS_BORDER);
            EXPECT_TRUE(extended & WS_EX_CLIENTEDGE);
            break;
        case fx::ControlKind::PushButton:
            EXPECT_EQ(style & BS_TYPEMASK,
                      (layout.style & fx::StyleDefaultButton) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
            break;
        case fx::ControlKind::ReportList:
            EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT);
            break;
    }
}

void expectPlace(HWND control, const fx::ControlSpec& layout) {
    const fx::Rect place = placeInParent(control);
    if (layout.kind != fx::ControlKind::DropDownList) {
        EXPECT_EQ(place, layout.place);
        return;
    }
    // A drop-down list is as high as its selection field; the table gives its height
    // with the list dropped down.
    EXPECT_EQ(place.x, layout.place.x);
    EXPECT_EQ(place.y, layout.place.y);
    EXPECT_EQ(place.width, layout.place.width);
    EXPECT_EQ(created.at(control).height, layout.place.height);
}

void expectFont(HWND control, const fx::ControlSpec& layout) {
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    if (layout.font == fx::FontChoice::PlatformDefault) {
        EXPECT_EQ(font, nullptr);
        return;
    }
    ASSERT_NE(font, nullptr);
    LOGFONTA chosen;
    ASSERT_EQ(GetObjectA(font, sizeof chosen, &chosen), static_cast<int>(sizeof chosen));
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    EXPECT_STREQ(chosen.lfFaceName, "Ariel");
    EXPECT_EQ(chosen.lfHeight, -MulDiv(8, dpi, 72));
    EXPECT_EQ(chosen.lfWeight, FW_BOLD);
    EXPECT_FALSE(chosen.lfItalic || chosen.lfUnderline || chosen.lfStrikeOut);
}

void expectControlsAsTable(HWND window, std::span<const fx::ControlSpec> table) {
    int children = 0;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        ++children;
    EXPECT_EQ(children, static_cast<int>(table.size()));
    for (const fx::ControlSpec& layout : table) {
        SCOPED_TRACE("control " + std::to_string(layout.id));
        HWND control = GetDlgItem(window, layout.id);
        ASSERT_NE(control, nullptr);
        expectKind(control, layout);
        expectPlace(control, layout);
        expectFont(control, layout);
        // A drop-down list shows only its selected entry, and none is selected.
        const std::string shown = layout.kind == fx::ControlKind::DropDownList ? "" : layout.text;
        EXPECT_EQ(windowText(control), shown);
        EXPECT_EQ(IsWindowEnabled(control) != 0, layout.initiallyEnabled);
        if (layout.kind == fx::ControlKind::CheckBox) {
            EXPECT_EQ(SendMessageA(control, BM_GETCHECK, 0, 0), BST_UNCHECKED);
        }
        if (layout.kind == fx::ControlKind::DropDownList) {
            EXPECT_EQ(SendMessageA(control, CB_GETCURSEL, 0, 0), CB_ERR);
        }
    }
}

TEST_F(WindowTablesTest, MainWindowControlsAreMadeAsTheTableSays) {
    expectControlsAsTable(app.mainWindow(), fx::mainWindowControls());
}

TEST_F(WindowTablesTest, OptionsWindowControlsAreMadeAsTheTableSays) {
    expectControlsAsTable(app.optionsWindow(), fx::optionsWindowControls());
}

TEST_F(WindowTablesTest, MainWindowHasItsTitlePlaceAndFixedFrame) {
    HWND main = app.mainWindow();
    EXPECT_EQ(windowText(main), app.variant.title);
    EXPECT_EQ(fxtest::screenRect(main), (fx::Rect{0, 0, 630, 535}));
    EXPECT_TRUE(IsWindowVisible(main));
    const LONG style = GetWindowLongA(main, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN),
              WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN);
    EXPECT_FALSE(style & (WS_MAXIMIZEBOX | WS_THICKFRAME));
    // The test program has no icon 101, so the window shows the standard one.
    EXPECT_EQ(reinterpret_cast<HICON>(GetClassLongPtrA(main, GCLP_HICON)),
              LoadIconA(nullptr, IDI_APPLICATION));
}

TEST_F(WindowTablesTest, OptionsWindowIsHiddenCentredAndHasNoMinimiseBox) {
    HWND options = app.optionsWindow();
    EXPECT_EQ(windowText(options), "Sounds/Alert Options");
    EXPECT_FALSE(IsWindowVisible(options));
    const fx::Rect place = fxtest::screenRect(options);
    EXPECT_EQ(place.width, 515);
    EXPECT_EQ(place.height, 350);
    RECT area;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    EXPECT_EQ(place.x, area.left + (area.right - area.left - 515) / 2);
    EXPECT_EQ(place.y, area.top + (area.bottom - area.top - 350) / 2);
    const LONG style = GetWindowLongA(options, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_EQ(GetWindow(options, GW_OWNER), nullptr);
}

TEST_F(WindowTablesTest, OptionsWindowIsShownByItsMenuAndHiddenByItsCloseBox) {
    HWND options = app.optionsWindow();
    app.chooseMenu(fx::mainwin::soundAlertsItem);
    EXPECT_TRUE(IsWindowVisible(options));
    SendMessageA(options, WM_SYSCOMMAND, SC_CLOSE, 0);
    fxtest::pumpMessages();
    EXPECT_TRUE(IsWindow(options));
    EXPECT_FALSE(IsWindowVisible(options));
}

TEST_F(WindowTablesTest, MenuBarHasTheTablesItemsAndStates) {
    HMENU bar = GetMenu(app.mainWindow());
    ASSERT_NE(bar, nullptr);
    const auto menus = fx::mainWindowMenus();
    ASSERT_EQ(GetMenuItemCount(bar), static_cast<int>(menus.size()));
    for (std::size_t m = 0; m < menus.size(); ++m) {
        char title[64] = "";
        GetMenuStringA(bar, static_cast<UINT>(m), title, sizeof title, MF_BYPOSITION);
        EXPECT_STREQ(title, menus[m].title);
        HMENU dropDown = GetSubMenu(bar, static_cast<int>(m));
        ASSERT_EQ(GetMenuItemCount(dropDown), static_cast<int>(menus[m].items.size()));
        for (std::size_t i = 0; i < menus[m].items.size(); ++i) {
            const fx::MenuItemSpec& item = menus[m].items[i];
            SCOPED_TRACE(item.text);
            char text[64] = "";
            GetMenuStringA(dropDown, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
            EXPECT_STREQ(text, item.text);
            EXPECT_EQ(GetMenuItemID(dropDown, static_cast<int>(i)), static_cast<UINT>(item.id));
            const UINT state = GetMenuState(dropDown, static_cast<UINT>(i), MF_BYPOSITION);
            EXPECT_EQ((state & MF_GRAYED) != 0, item.greyed);
            EXPECT_EQ((state & MF_CHECKED) != 0, item.checked);
        }
    }
}

TEST_F(WindowTablesTest, LogTimersCheckMarkMovesToTheChosenItem) {
    HMENU bar = GetMenu(app.mainWindow());
    for (int chosen : {fx::mainwin::oneMinuteItem, fx::mainwin::sixtyMinutesItem}) {
        app.chooseMenu(chosen);
        for (int id = fx::mainwin::sixtyMinutesItem; id <= fx::mainwin::oneMinuteItem; ++id) {
            SCOPED_TRACE(id);
            EXPECT_EQ((GetMenuState(bar, static_cast<UINT>(id), MF_BYCOMMAND) & MF_CHECKED) != 0,
                      id == chosen);
        }
    }
}

TEST_F(WindowTablesTest, MainWindowStartsWithItsLogAndReferenceDays) {
    HWND list = app.mainControl(fx::mainwin::referenceDayCombo);
    EXPECT_EQ(SendMessageA(list, CB_GETCOUNT, 0, 0), 5);
    EXPECT_EQ(app.logDescriptions(), std::vector<std::string>{"Started ZA Daderer"});
    HWND log = app.mainControl(fx::mainwin::eventLogList);
    HWND header = reinterpret_cast<HWND>(SendMessageA(log, LVM_GETHEADER, 0, 0));
    ASSERT_EQ(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0), 3);
    const auto columns = fx::eventLogColumns();
    for (int c = 0; c < 3; ++c) {
        char heading[32] = "";
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = heading;
        column.cchTextMax = sizeof heading;
        SendMessageA(log, LVM_GETCOLUMNA, static_cast<WPARAM>(c),
                     reinterpret_cast<LPARAM>(&column));
        EXPECT_STREQ(heading, columns[c].heading);
        EXPECT_EQ(column.cx, columns[c].width);
    }
}

TEST_F(WindowTablesTest, StartDrawingsAreInTheMainWindowsImage) {
    const fx::ImagePixels image = app.layer.readImage(app.monitor().mainWindow);
    const fx::Colour windowColour = app.monitor().state.windowColour;
    // The separator: x 20 to 184 at y 306, its end point not drawn.
    for (int x = 20; x < 185; ++x) EXPECT_EQ(image.at(x, 306), fx::black) << x;
    EXPECT_EQ(image.at(19, 306), windowColour);
    EXPECT_EQ(image.at(185, 306), windowColour);
    // The simulator frame: 243 x 108 from (200, 119).
    EXPECT_EQ(image.at(200, 170), fx::black);
    EXPECT_EQ(image.at(442, 170), fx::black);
    EXPECT_EQ(image.at(443, 170), windowColour);
    EXPECT_EQ(image.at(320, 226), fx::black);
    EXPECT_EQ(image.at(430, 119), fx::black);
    EXPECT_EQ(image.at(320, 170), windowColour);
    // The caption stands over the frame's top edge: ink above the edge, and the edge
    // covered by the text's background where the caption is.
    int ink = 0;
    int coveredEdge = 0;
    for (int x = 200; x < 260; ++x) {
        for (int y = 112; y < 119; ++y) ink += image.at(x, y) == fx::black;
        coveredEdge += image.at(x, 119) == windowColour;
    }
    EXPECT_GT(ink, 20);
    EXPECT_GT(coveredEdge, 0);
}

TEST_F(WindowTablesTest, OptionsCaptionIsDrawnBetweenTheTwoLists) {
    const fx::ImagePixels image = app.layer.readImage(app.monitor().optionsWindow);
    int ink = 0;
    for (int x = 172; x < 250; ++x)
        for (int y = 167; y < 180; ++y) ink += image.at(x, y) == fx::black;
    EXPECT_GT(ink, 30);
    EXPECT_EQ(image.at(100, 240), app.monitor().state.windowColour);
}

}  // namespace
