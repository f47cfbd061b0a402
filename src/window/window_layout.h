#pragma once
// The vocabulary in which the two windows are described as data. Both window
// layers realise these descriptions; neither knows anything about the layout.

#include <span>

#include "window/window_types.h"

namespace fx {

enum class ControlKind {
    Label,         // static text, one line, reports clicks
    DropDownList,  // combo box that only lists; height is the dropped-down height
    CheckBox,      // toggles itself when clicked
    EditBox,       // single-line edit box with border and sunken edge
    PushButton,
    ReportList,  // list view in report (columns) style
};

// Style details that only some kinds use.
enum ControlStyle : unsigned {
    StyleNone = 0,
    StyleReadOnly = 1u << 0,       // edit box
    StyleCentred = 1u << 1,        // edit box text centred (else left-aligned)
    StyleNoHScroll = 1u << 2,      // edit box without automatic horizontal scrolling
    StyleDefaultButton = 1u << 3,  // push button that is the window's default
    StyleVScroll = 1u << 4,        // drop-down list with a vertical scroll bar
};

enum class FontChoice {
    PlatformDefault,  // no font is set on the control
    ControlFont,      // "Ariel", 8 points, bold
};

enum class ColourChoice {
    PlatformDefault,  // the platform's own colours
    WindowColours,    // black text on the window colour
};

struct ControlSpec {
    int id = 0;
    ControlKind kind = ControlKind::Label;
    const char* text = "";
    Rect place;
    unsigned style = StyleNone;
    FontChoice font = FontChoice::ControlFont;
    ColourChoice colours = ColourChoice::WindowColours;
    bool initiallyEnabled = true;
};

struct ColumnSpec {
    const char* heading = "";
    int width = 0;
};

struct MenuItemSpec {
    const char* text = "";
    int id = 0;
    bool greyed = false;
    bool checked = false;
};

struct MenuSpec {
    const char* title = "";
    std::span<const MenuItemSpec> items;
};

enum class WindowFrame {
    FixedWithMinimise,  // title bar, system menu, minimise box; no sizing, no maximise
    FixedNoMinimise,    // title bar and system menu (close box) only
};

struct WindowSpec {
    Point position;
    Size outerSize;
    WindowFrame frame = WindowFrame::FixedWithMinimise;
    bool visible = true;
    bool hasMenuBar = false;
};

// The state used for lines, rectangles and text drawn straight onto a window.
struct DrawingState {
    Colour penColour = black;
    Colour textColour = black;
    Colour textBackground = black;
};

}  // namespace fx
