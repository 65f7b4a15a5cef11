#pragma once

#include <string>
#include <string_view>
#include <vector>

// The layout of the program's two visible windows, the main window and the
// About window, in one toolkit-neutral description: every control's name,
// kind, rectangle, caption, font and colours, and the main window's menus. Front-ends build
// their windows from it; none of them keeps positions or texts of its own.
namespace corvallo::layout {

// Positions and sizes are in twips: 1440 to the logical inch, so 15 twips make
// one pixel at 96 DPI. A control's rectangle is relative to its parent's top
// left corner; a parent that is a frame counts from the frame's outer edge.
struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

enum class Kind {
    Frame,         // a bordered container with an optional caption
    Label,         // static text
    Link,          // static text that reacts to a click, shown with a hand pointer
    Button,        // push button
    DropDownList,  // list the user picks from without typing; height is the closed box's
    OptionButton,  // radio button; the option buttons of one frame form one group
    CheckBox,
    Picture,  // picture box
    Shape,    // rectangle outline drawn on its parent, not a window
    Line,     // straight line drawn on its parent from (left, top) to (left + width, top + height)
};

enum class Align { Left, Centre };

// Red, green, blue; or see-through (the parent's background shows); or the
// system's menu-text colour, which the platform chooses.
struct Colour {
    enum class Source { Rgb, Transparent, SystemMenuText };
    Source source = Source::Rgb;
    unsigned char red = 0;
    unsigned char green = 0;
    unsigned char blue = 0;
};

inline constexpr Colour kBlack{};
inline constexpr Colour kRed{Colour::Source::Rgb, 255, 0, 0};
inline constexpr Colour kDarkRed{Colour::Source::Rgb, 192, 0, 0};
inline constexpr Colour kTransparent{Colour::Source::Transparent};
inline constexpr Colour kMenuText{Colour::Source::SystemMenuText};

// Every text of the program is set in this face. Where it is missing, the
// first of the fallback faces that is installed takes its place: wide, open
// sans-serif faces whose widths come close to it, so that texts that fit in
// Verdana fit in them too. Without any of them the platform picks a
// proportional sans-serif face.
inline constexpr std::string_view kFontFace = "Verdana";
inline constexpr std::string_view kFallbackFontFaces[] = {"DejaVu Sans", "Bitstream Vera Sans",
                                                          "Tahoma"};

// Font size in twentieths of a point (165 is 8.25 pt), which is also its
// height in twips: a front-end turns it into pixels like any other length.
struct Font {
    int twentiethsOfPoint = 165;
    bool bold = false;
    bool underline = false;
};

struct Control {
    std::string_view name;
    Kind kind = Kind::Label;
    std::string_view parent;  // empty: the window's client area
    TwipRect rect;
    std::string caption;
    Font font;
    Colour foreground = kBlack;
    Colour background = kTransparent;
    Align align = Align::Left;
    bool visible = true;  // false: exists, keeps its values, is never shown
    bool enabled = true;
    bool checked = false;  // option buttons and check boxes, as first shown
    int borderWidth = 1;   // shapes and lines, in pixels at 96 DPI
};

// A menu item. Top-level items have no parent; an item with children opens a
// submenu, one without is a command. '&' marks the access key.
struct MenuItem {
    std::string_view name;
    std::string_view caption;  // empty for a separator
    std::string_view parent;
    bool visible = true;  // hidden items are not on the menu bar
};

struct Window {
    std::string caption;
    int clientWidth = 0;  // twips
    int clientHeight = 0;
    Colour background = kBlack;
    Font font;                      // for controls that name no font of their own
    std::vector<Control> controls;  // in creation order, which is also the tab order
    std::vector<MenuItem> menus;    // in menu order
};

// The main window (frmMain): the banner, the two stacked panels (tip and
// settings), the exit button, the promotion strip and, below the client
// area, the controls that are never seen.
const Window& mainWindow();

// The About window (frmAbout), controls in tab order.
const Window& aboutWindow();

// The control of that name; throws std::out_of_range when there is none.
const Control& find(const Window& window, std::string_view name);

}  // namespace corvallo::layout
