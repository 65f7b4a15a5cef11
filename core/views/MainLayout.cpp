#include "core/views/MainLayout.h"

#include <stdexcept>
#include <utility>

#include "core/model/ProgramName.h"
#include "core/model/WebPages.h"

namespace corvallo::layout {
namespace {

constexpr Font kPlain{165, false, false};
constexpr Font kBold{165, true, false};
constexpr Font kBoldUnderlined{165, true, true};
constexpr Font kUnderlined{165, false, true};
constexpr Font kBold9{180, true, false};
constexpr Font kBold975{195, true, false};
constexpr Font kBold1125{225, true, false};

// Each helper fills the fields its kind uses; the rest keep their defaults.
Control base(std::string_view name, Kind kind, std::string_view parent, TwipRect rect) {
    Control control;
    control.name = name;
    control.kind = kind;
    control.parent = parent;
    control.rect = rect;
    return control;
}

Control frame(std::string_view name, std::string_view parent, TwipRect rect, std::string caption,
              Font font) {
    Control control = base(name, Kind::Frame, parent, rect);
    control.caption = std::move(caption);
    control.font = font;
    control.foreground = kDarkRed;
    control.background = kBlack;
    return control;
}

Control text(std::string_view name, Kind kind, std::string_view parent, TwipRect rect,
             std::string caption, Font font, Colour foreground, Align align) {
    Control control = base(name, kind, parent, rect);
    control.caption = std::move(caption);
    control.font = font;
    control.foreground = foreground;
    control.align = align;
    return control;
}

Control button(std::string_view name, std::string_view parent, TwipRect rect, std::string caption,
               Font font) {
    Control control = base(name, Kind::Button, parent, rect);
    control.caption = std::move(caption);
    control.font = font;
    return control;
}

Control dropDownList(std::string_view name, std::string_view parent, TwipRect rect, bool visible) {
    Control control = base(name, Kind::DropDownList, parent, rect);
    control.foreground = kDarkRed;
    control.background = kBlack;
    control.visible = visible;
    return control;
}

// Option buttons and the check box: red bold text on black.
Control choice(std::string_view name, Kind kind, std::string_view parent, TwipRect rect,
               std::string caption) {
    Control control = base(name, kind, parent, rect);
    control.caption = std::move(caption);
    control.font = kBold;
    control.foreground = kRed;
    control.background = kBlack;
    return control;
}

Control outline(std::string_view name, Kind kind, std::string_view parent, TwipRect rect,
                int borderWidth) {
    Control control = base(name, kind, parent, rect);
    control.foreground = kDarkRed;
    control.borderWidth = borderWidth;
    return control;
}

// The tip panel: picture at the top, its caption and the tip text below, the
// "&Settings" button at the bottom. Positions are relative to the panel.
void addTipPanel(std::vector<Control>& c) {
    c.push_back(frame("fraRune", "", {60, 600, 7005, 5355}, "Today's Feng Shui Tip", kBold1125));
    c.push_back(outline("Shape1", Kind::Shape, "fraRune", {2700, 300, 1620, 1995}, 2));
    c.push_back(base("picCard", Kind::Picture, "fraRune", {2760, 360, 1500, 1875}));
    c.push_back(text("Label8", Kind::Label, "fraRune", {360, 2460, 6285, 255},
                     "Today's Feng Shui Tip", kBoldUnderlined, kRed, Align::Centre));
    c.push_back(outline("Shape4", Kind::Shape, "fraRune", {300, 2400, 6405, 1785}, 2));
    c.push_back(text("lblCardDesc", Kind::Label, "fraRune", {360, 2760, 6285, 1365}, "", kPlain,
                     kRed, Align::Centre));
    c.push_back(button("cmdSettings", "fraRune", {1080, 4620, 4845, 495}, "&Settings", kBold9));
}

// The settings panel: a note across the top, the tip picture on the left, the
// display time and start-up frames on the right, the apply button at the bottom.
void addSettingsPanel(std::vector<Control>& c) {
    c.push_back(frame("fraSettings", "", {60, 600, 7005, 5355}, "Corvallo Settings", kBold1125));
    c.push_back(text("Label1", Kind::Label, "fraSettings", {120, 360, 6765, 720},
                     "Feng shui has a positive effect on home and business if implemented the "
                     "right way. Get your Corvallo tip from today!",
                     kBold9, kDarkRed, Align::Centre));
    c.push_back(outline("Shape2", Kind::Shape, "fraSettings", {870, 1500, 1620, 1995}, 2));
    c.push_back(base("picCard2", Kind::Picture, "fraSettings", {930, 1560, 1500, 1875}));
    c.push_back(outline("Shape3", Kind::Shape, "fraSettings", {3360, 1260, 3480, 2475}, 2));

    c.push_back(
        frame("Frame4", "fraSettings", {3420, 1320, 3360, 1095}, "Choose Display Time", kBold9));
    struct TimeColumn {
        std::string_view label, list, caption;
        int left;
    };
    const TimeColumn columns[] = {{"Label5", "cboHour", "Hour", 360},
                                  {"Label7", "cboMinute", "Minute", 1380},
                                  {"Label6", "cboSecond", "Second", 2400}};
    for (const TimeColumn& column : columns) {
        c.push_back(text(column.label, Kind::Label, "Frame4", {column.left, 300, 840, 225},
                         std::string(column.caption), kUnderlined, kDarkRed, Align::Left));
        c.push_back(dropDownList(column.list, "Frame4", {column.left, 540, 615, 315}, true));
    }

    c.push_back(
        frame("Frame3", "fraSettings", {3420, 2580, 3360, 1095}, "Choose Display Mode", kBold9));
    // As first shown: "Don't run at start-up" selected, the check box disabled
    // and clear. The check box is made after both option buttons so that the
    // two form one group for the arrow keys; on screen it sits between them.
    c.push_back(
        choice("optRun", Kind::OptionButton, "Frame3", {240, 270, 3000, 240}, "Run at start-up"));
    Control dontRun = choice("optDontRun", Kind::OptionButton, "Frame3", {240, 780, 3000, 240},
                             "Don't run at start-up");
    dontRun.checked = true;
    c.push_back(dontRun);
    Control trayAtLogOn = choice("chkSysTray", Kind::CheckBox, "Frame3", {480, 525, 2760, 240},
                                 "Start at system tray");
    trayAtLogOn.enabled = false;
    c.push_back(trayAtLogOn);

    c.push_back(button("cmdCalculateMoonPhase", "fraSettings", {495, 4620, 6015, 495},
                       "Show Corvallo Tip", kBold9));
}

// The promotion strip: a captionless frame wider than the window, holding the
// two promotion labels exactly on top of each other, on an opaque background
// in the system's menu-text colour.
void addPromotionStrip(std::vector<Control>& c) {
    c.push_back(frame("Frame5", "", {-120, 6480, 7245, 855}, "", kPlain));
    // The doubled ampersand shows as one: a single '&' would mark an access key.
    Control cobrand = text("lblCobrand", Kind::Link, "Frame5", {200, 165, 6945, 615},
                           "Co-brand this software for your site.  Increase loyalty and traffic "
                           "to your site. Put your site's name &&  link here. See \"Help\" for "
                           "details.    Click Here for more info on co-branding.",
                           kBoldUnderlined, kDarkRed, Align::Centre);
    cobrand.background = kMenuText;
    c.push_back(cobrand);
    Control fullBrand = text("lblFullBrand", Kind::Link, "Frame5", {200, 165, 6945, 615},
                             "Home Business Opportunity. Start your own Internet business and "
                             "make money online. Get this software fully branded for your "
                             "website. Click here for more details.",
                             kBoldUnderlined, kDarkRed, Align::Centre);
    fullBrand.background = kMenuText;
    c.push_back(fullBrand);
}

Window buildMainWindow() {
    Window w;
    w.caption = kWindowCaption;
    w.clientWidth = 7110;
    w.clientHeight = 7320;
    auto& c = w.controls;
    c.push_back(text("Label61", Kind::Link, "", {255, 120, 6600, 465},
                     "Join our feng shui discussion board, the friendliest place online to "
                     "share ideas and ask questions. Click here to visit it!",
                     kBoldUnderlined, kRed, Align::Centre));
    addTipPanel(c);
    addSettingsPanel(c);
    c.push_back(button("cmdExit", "", {60, 6000, 7005, 495}, "&Exit", kBold9));
    addPromotionStrip(c);

    // Below the client area, which ends at 7320: never seen.
    Control trayHook = base("picHook", Kind::Picture, "", {3240, 7440, 1095, 615});
    trayHook.visible = false;
    c.push_back(trayHook);
    c.push_back(dropDownList("cboDate", "", {2640, 7560, 900, 315}, false));
    c.push_back(dropDownList("cboMonth", "", {3840, 7560, 1380, 315}, false));
    c.push_back(dropDownList("cboYear", "", {5400, 7560, 1020, 315}, false));

    w.menus = {
        {"mnuPopUp", "mnuPopUp", "", false},
        {"mnuPop", "Show", "mnuPopUp", true},
        {"mnuExit1", "Exit", "mnuPopUp", true},
        {"mnuFile", "&File", "", true},
        {"mnuCalculateMoonPhase", "Show Corvallo Tip", "mnuFile", true},
        {"mnuSep1", "", "mnuFile", true},
        {"mnuExit", "E&xit", "mnuFile", true},
        {"mnuTools", "&Tools", "", true},
        {"mnuSettings", "&Settings", "mnuTools", true},
        {"mnuHelp", "&Help", "", true},
        {"mnuOnline", "&Online Help", "mnuHelp", true},
        {"mnuVisit", "&Visit Us Online", "mnuHelp", true},
        {"mnuHelp1", "", "mnuHelp", true},
        {"mnuUpdate", "Check for Software &Update", "mnuHelp", true},
        {"mnuHelp2", "", "mnuHelp", true},
        {"mnuAbout", "&About Software", "mnuHelp", true},
        {"mnuDonate", "&Donate", "", true},
        {"mnuMakeMoney", "Make Money &Online", "", false},
    };
    return w;
}

Window buildAboutWindow() {
    Window w;
    w.caption = kWindowCaption;
    w.clientWidth = 6105;
    w.clientHeight = 3780;
    w.font = kBold;
    auto& c = w.controls;
    c.push_back(button("cmdOK", "", {4710, 3360, 1260, 345}, "&OK", kBold));
    c.push_back(base("picIcon", Kind::Picture, "", {120, 150, 480, 480}));
    c.push_back(text("Label1", Kind::Label, "", {210, 840, 5745, 975},
                     "Corvallo gives you a useful feng shui tip for the day. This can help you "
                     "attain happiness and prosperity in your life. Come back tomorrow for the "
                     "next one.",
                     kBold, kDarkRed, Align::Left));
    c.push_back(text("Label2", Kind::Label, "", {720, 240, 2730, 240}, kWindowCaption, kBold975,
                     kRed, Align::Left));
    c.push_back(text("lblHomePage", Kind::Link, "", {1320, 1920, 4650, 195}, homePageCaption(),
                     kBoldUnderlined, kRed, Align::Left));
    c.push_back(text("Label6", Kind::Label, "", {240, 2400, 5655, 615},
                     "Home Business Opportunity. Start your own Internet business and make money "
                     "online. Get this software fully branded for your website.",
                     kBold, kDarkRed, Align::Left));
    c.push_back(text("Label5", Kind::Link, "", {3360, 3000, 2610, 195},
                     "Click here for more details", kBoldUnderlined, kRed, Align::Left));
    c.push_back(outline("Line2", Kind::Line, "", {-60, 3240, 6150, 0}, 1));
    return w;
}

}  // namespace

const Window& mainWindow() {
    static const Window window = buildMainWindow();
    return window;
}

const Window& aboutWindow() {
    static const Window window = buildAboutWindow();
    return window;
}

const Control& find(const Window& window, std::string_view name) {
    for (const Control& control : window.controls) {
        if (control.name == name) {
            return control;
        }
    }
    throw std::out_of_range("no control named " + std::string(name));
}

}  // namespace corvallo::layout
