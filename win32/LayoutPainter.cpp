// Painting a layout's window and frames, and the colours of its controls.
#include "win32/LayoutPainter.h"

#include <string>

#include "win32/Dpi.h"
#include "win32/HighContrast.h"
#include "win32/UniqueHandle.h"
#include "win32/Utf16.h"

namespace corvallo::win32 {
namespace {

using layout::Kind;

COLORREF toColorRef(const layout::Colour& colour, COLORREF seeThrough) {
    switch (colour.source) {
        case layout::Colour::Source::Transparent:
            return seeThrough;
        case layout::Colour::Source::SystemMenuText:
            return GetSysColor(COLOR_MENUTEXT);
        case layout::Colour::Source::Rgb:
            break;
    }
    return RGB(colour.red, colour.green, colour.blue);
}

}  // namespace

LayoutPainter::LayoutPainter(LayoutControls& controls, HighContrastQuery highContrast)
    : controls_(controls), highContrast_(highContrast != nullptr ? highContrast : &highContrastOn) {
    const auto& all = controls.layout().controls;
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (all[i].kind == Kind::Shape || all[i].kind == Kind::Line) {
            outlines_[all[i].parent].push_back(i);
        }
    }
    refreshSystemColours();
}

void LayoutPainter::refreshSystemColours() {
    systemColours_ = highContrast_();
}

COLORREF LayoutPainter::backgroundColour() const {
    if (systemColours_) {
        return GetSysColor(COLOR_WINDOW);
    }
    return toColorRef(controls_.layout().background, RGB(0, 0, 0));
}

// In high contrast, links take the system's link colour and every other text
// and line the window-text colour, on the window colour.
COLORREF LayoutPainter::foregroundOf(const layout::Control& control) const {
    if (systemColours_) {
        return GetSysColor(control.kind == Kind::Link ? COLOR_HOTLIGHT : COLOR_WINDOWTEXT);
    }
    return colourOf(control.foreground);
}

COLORREF LayoutPainter::backgroundOf(const layout::Control& control) const {
    return systemColours_ ? GetSysColor(COLOR_WINDOW) : colourOf(control.background);
}

// See-through colours show the window background.
COLORREF LayoutPainter::colourOf(const layout::Colour& colour) const {
    return toColorRef(colour, backgroundColour());
}

void LayoutPainter::eraseBackground(HWND container, HDC dc) {
    RECT client;
    GetClientRect(container, &client);
    FillRect(dc, &client, controls_.gdi().brush(backgroundColour()));
}

void LayoutPainter::paint(HWND container, HDC dc) {
    if (container == controls_.root()) {
        paintOutlines({}, dc);
        return;
    }
    if (const layout::Control* frame = controls_.controlOf(container)) {
        paintFrame(container, *frame, dc);
        paintOutlines(frame->name, dc);
    }
}

// A themed push button draws its parent's background behind its rounded
// corners (DrawThemeParentBackground), which sends the parent WM_ERASEBKGND
// and WM_PRINTCLIENT with the button's own device context, and then draws its
// caption with whatever font that context holds. A group box left to itself
// answers WM_PRINTCLIENT by painting itself and leaves its own caption font
// selected, so the buttons on the panels showed their text in the panel's
// 11.25 pt caption font, whatever WM_SETFONT had given them (seen under Wine).
// The container is drawn as on screen, and the context is handed back with the
// font, pen, brush and colours it came with.
void LayoutPainter::printClient(HWND container, HDC dc) {
    const int saved = SaveDC(dc);
    eraseBackground(container, dc);
    paint(container, dc);
    RestoreDC(dc, saved);
}

HBRUSH LayoutPainter::colourControl(HDC dc, HWND control) {
    const layout::Control* found = controls_.controlOf(control);
    // Not one of ours: the opened list of a drop-down list, which takes the
    // lists' colours.
    static const layout::Control openedList = [] {
        layout::Control list;
        list.kind = Kind::DropDownList;
        list.foreground = layout::kDarkRed;
        list.background = layout::kBlack;
        return list;
    }();
    const layout::Control& colours = found ? *found : openedList;
    const COLORREF back = backgroundOf(colours);
    SetTextColor(dc, foregroundOf(colours));
    SetBkColor(dc, back);
    return controls_.gdi().brush(back);
}

// The group box's own painting is replaced: with visual styles it draws its
// caption in the theme's colour whatever WM_CTLCOLORSTATIC says, and Wine's
// common controls 6 lose its caption on a dark background. The window keeps
// its BUTTON class and caption, so accessibility tools still see a group box.
void LayoutPainter::paintFrame(HWND frame, const layout::Control& control, HDC dc) {
    const UINT dpi = controls_.dpi();
    HGDIOBJ oldFont = SelectObject(dc, controls_.gdi().font(control.font, dpi));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    RECT border;
    GetClientRect(frame, &border);
    // The top edge runs through the middle of the caption's line.
    border.top += metrics.tmHeight / 2 - 1;
    DrawEdge(dc, &border, EDGE_ETCHED, BF_RECT);
    const std::wstring caption = toUtf16(control.caption);
    if (!caption.empty()) {
        const int margin = scaleFrom96(7, dpi);
        RECT text{margin, 0, margin, metrics.tmHeight};
        DrawTextW(dc, caption.c_str(), -1, &text, DT_SINGLELINE | DT_CALCRECT);
        text.right += 2;
        FillRect(dc, &text, controls_.gdi().brush(backgroundOf(control)));
        OffsetRect(&text, 1, 0);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, foregroundOf(control));
        DrawTextW(dc, caption.c_str(), -1, &text, DT_SINGLELINE);
    }
    SelectObject(dc, oldFont);
}

void LayoutPainter::paintOutlines(std::string_view container, HDC dc) {
    const auto found = outlines_.find(container);
    if (found == outlines_.end()) {
        return;
    }
    const UINT dpi = controls_.dpi();
    for (const std::size_t index : found->second) {
        const layout::Control& control = controls_.layout().controls[index];
        const PenHandle pen(CreatePen(PS_INSIDEFRAME, scaleFrom96(control.borderWidth, dpi),
                                      foregroundOf(control)));
        HGDIOBJ oldPen = SelectObject(dc, pen.get());
        HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
        const layout::TwipRect& r = control.rect;
        const int left = twipsToPixels(r.left, dpi);
        const int top = twipsToPixels(r.top, dpi);
        const int right = twipsToPixels(r.left + r.width, dpi);
        const int bottom = twipsToPixels(r.top + r.height, dpi);
        if (control.kind == Kind::Shape) {
            Rectangle(dc, left, top, right, bottom);
        } else {
            MoveToEx(dc, left, top, nullptr);
            LineTo(dc, right, bottom);
        }
        SelectObject(dc, oldBrush);
        SelectObject(dc, oldPen);
    }
}

// NM_CUSTOMDRAW from a button. A disabled option button or check box is
// drawn here instead of by the control: the control draws its disabled text
// embossed (DrawState with DSS_DISABLED) through a one-bit bitmap exactly as
// wide as the text measures, and Wine renders that bitmap's text a few pixels
// wider than it measures, which cut off the end of "Start at system tray". The
// embossed white highlight also stands out on the black background. Here the
// box is drawn inactive and the text in the system's grey text colour, on the
// layout's background. Everything else the control draws itself.
LRESULT LayoutPainter::customDraw(const NMCUSTOMDRAW& draw) {
    const layout::Control* control = controls_.controlOf(draw.hdr.hwndFrom);
    if (control == nullptr ||
        (control->kind != Kind::OptionButton && control->kind != Kind::CheckBox) ||
        draw.dwDrawStage != CDDS_PREERASE || IsWindowEnabled(draw.hdr.hwndFrom)) {
        return CDRF_DODEFAULT;
    }
    paintDisabledChoice(draw.hdr.hwndFrom, *control, draw.hdc);
    return CDRF_SKIPDEFAULT;
}

void LayoutPainter::paintDisabledChoice(HWND hwnd, const layout::Control& control, HDC dc) {
    const UINT dpi = controls_.dpi();
    const int saved = SaveDC(dc);
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(dc, &client, controls_.gdi().brush(backgroundOf(control)));
    SelectObject(dc, controls_.gdi().font(control.font, dpi));

    // The box's size and the gap after it follow the classic button: 12
    // pixels and one at 96 DPI, then half the width of a digit.
    const int boxSize = scaleFrom96(12, dpi) + 1;
    const int boxTop = (client.bottom - boxSize) / 2;
    RECT box{client.left, boxTop, client.left + boxSize, boxTop + boxSize};
    const LRESULT check = SendMessageW(hwnd, BM_GETCHECK, 0, 0);
    UINT state =
        (control.kind == Kind::OptionButton ? DFCS_BUTTONRADIO : DFCS_BUTTONCHECK) | DFCS_INACTIVE;
    if (check == BST_CHECKED) {
        state |= DFCS_CHECKED;
    }
    DrawFrameControl(dc, &box, DFC_BUTTON, state);

    int digitWidth = 0;
    GetCharWidth32W(dc, L'0', L'0', &digitWidth);
    RECT text = client;
    text.left = box.right + digitWidth / 2;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    const std::wstring caption = toUtf16(control.caption);
    DrawTextW(dc, caption.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    RestoreDC(dc, saved);
}

}  // namespace corvallo::win32
