#include "win32/LayoutControls.h"

#include <commctrl.h>
#include <uxtheme.h>

#include "win32/Dpi.h"
#include "win32/Utf16.h"

namespace corvallo::win32 {
namespace {

using layout::Kind;

// A drop-down list's window height includes its opened list: this many
// closed-box heights, about eight items.
constexpr int kDroppedListHeights = 8;

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

const wchar_t* windowClassOf(Kind kind) {
    switch (kind) {
        case Kind::Frame:
        case Kind::Button:
        case Kind::OptionButton:
        case Kind::CheckBox:
            return WC_BUTTONW;
        case Kind::DropDownList:
            return WC_COMBOBOXW;
        default:
            return WC_STATICW;
    }
}

DWORD styleOf(const layout::Control& control, bool startsGroup, bool isDefault, bool isIcon) {
    DWORD style =
        WS_CHILD | (control.visible ? WS_VISIBLE : 0) | (control.enabled ? 0 : WS_DISABLED);
    switch (control.kind) {
        case Kind::Frame:
            return style | BS_GROUPBOX | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
        case Kind::Button:
            return style | WS_TABSTOP | WS_GROUP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        case Kind::OptionButton:
            return style | BS_AUTORADIOBUTTON | (startsGroup ? WS_GROUP | WS_TABSTOP : 0);
        case Kind::CheckBox:
            // Three states, because the check box can also be set to greyed from
            // code; a click toggles it between clear and ticked (see MainWindow).
            return style | BS_3STATE | WS_TABSTOP | WS_GROUP;
        case Kind::DropDownList:
            return style | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_GROUP;
        case Kind::Picture:
            return style | (isIcon ? SS_ICON : SS_BITMAP) | SS_CENTERIMAGE;
        case Kind::Link:
            // SS_NOTIFY: a static control reports clicks (STN_CLICKED) only with it,
            // and only then does it take part in hit-testing for the hand cursor.
            return style | SS_NOTIFY |
                   (control.align == layout::Align::Centre ? SS_CENTER : SS_LEFT);
        default:
            // Without SS_NOPREFIX "&&" shows as a single "&".
            return style | (control.align == layout::Align::Centre ? SS_CENTER : SS_LEFT);
    }
}

// EnumFontFamiliesExW calls this once for each style of the family asked
// for, and not at all when no such family is installed; one call is enough.
int CALLBACK noteFamilyFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool isFamilyInstalled(HDC dc, const std::wstring& face) {
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    wcsncpy_s(query.lfFaceName, LF_FACESIZE, face.c_str(), _TRUNCATE);
    bool found = false;
    EnumFontFamiliesExW(dc, &query, noteFamilyFound, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

// The layout's face if it is installed, else its first installed fallback.
// Left to itself, the font mapper replaces a missing face by whatever it
// ranks first, which depends on the fonts that happen to be installed (under
// Wine, on fontconfig's order), and whose widths may differ a lot. With none
// of them installed the layout's face is asked for anyway, and the pitch and
// family of the request (see fontFor) steer the mapper to a proportional
// sans-serif face.
std::wstring installedFace() {
    HDC screen = GetDC(nullptr);
    std::wstring chosen = toUtf16(layout::kFontFace);
    if (!isFamilyInstalled(screen, chosen)) {
        for (const std::string_view fallback : layout::kFallbackFontFaces) {
            const std::wstring face = toUtf16(fallback);
            if (isFamilyInstalled(screen, face)) {
                chosen = face;
                break;
            }
        }
    }
    ReleaseDC(nullptr, screen);
    return chosen;
}

// A sub-application name and class list that match no section of any theme
// leave the control without visual styles. A blank (L" ") rather than an
// empty string, as Microsoft's documentation of SetWindowTheme writes it:
// Wine keeps the names as atoms, and an empty string is no valid atom name,
// so there SetWindowTheme(window, L"", L"") fails (ERROR_INVALID_NAME) and
// leaves the theme on.
void turnOffVisualStyles(HWND control) {
    SetWindowTheme(control, L" ", L" ");
}

// Frames are BUTTON group boxes, and a group box does not pass its children's
// notifications (WM_COMMAND) or colour requests (WM_CTLCOLOR*) on to its
// parent. The subclass sends them to the top-level window, paints the frame's
// background (a group box leaves it unpainted), its border and caption, and
// its shapes, both when it paints itself and when a themed child asks for its
// background with WM_PRINTCLIENT (see LayoutControls::printClient).
LRESULT CALLBACK frameProc(HWND frame, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                           DWORD_PTR data) {
    auto* controls = reinterpret_cast<LayoutControls*>(data);
    switch (msg) {
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
            return SendMessageW(GetAncestor(frame, GA_ROOT), msg, wParam, lParam);
        case WM_ERASEBKGND:
            controls->eraseBackground(frame, reinterpret_cast<HDC>(wParam));
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(frame, &paint);
            controls->paintFrame(frame, dc);
            controls->paintOutlines(frame, dc);
            EndPaint(frame, &paint);
            return 0;
        }
        case WM_PRINTCLIENT:
            controls->printClient(frame, reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_NCDESTROY:
            RemoveWindowSubclass(frame, frameProc, 0);
            break;
        default:
            break;
    }
    return DefSubclassProc(frame, msg, wParam, lParam);
}

}  // namespace

LayoutControls::LayoutControls(const layout::Window& layout)
    : layout_(layout), handles_(layout.controls.size(), nullptr) {}

LayoutControls::~LayoutControls() {
    releaseFonts();
    for (const CachedBrush& cached : brushes_) {
        DeleteObject(cached.brush);
    }
}

void LayoutControls::create(HWND root, HINSTANCE instance, UINT dpi, const Options& options) {
    root_ = root;
    dpi_ = dpi;
    const auto& controls = layout_.controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const layout::Control& control = controls[i];
        if (control.kind == Kind::Shape || control.kind == Kind::Line) {
            continue;
        }
        const bool startsGroup = control.kind == Kind::OptionButton &&
                                 (i == 0 || controls[i - 1].kind != Kind::OptionButton ||
                                  controls[i - 1].parent != control.parent);
        const DWORD style = styleOf(control, startsGroup, control.name == options.defaultButton,
                                    control.name == options.iconPicture);
        HWND parent = control.parent.empty() ? root : handle(control.parent);
        // A frame holds controls, so the dialog manager's Tab key goes into it.
        const DWORD exStyle = control.kind == Kind::Frame ? WS_EX_CONTROLPARENT : 0;
        const std::wstring caption = toUtf16(control.caption);
        HWND hwnd = CreateWindowExW(
            exStyle, windowClassOf(control.kind), caption.c_str(), style, 0, 0, 0, 0, parent,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + static_cast<int>(i))),
            instance, nullptr);
        handles_[i] = hwnd;
        if (hwnd == nullptr) {
            continue;
        }
        if (control.kind == Kind::Frame) {
            SetWindowSubclass(hwnd, frameProc, 0, reinterpret_cast<DWORD_PTR>(this));
        }
        // Visual styles draw the text of group boxes, option buttons and check
        // boxes, and the face of drop-down lists, in the theme's colours and
        // ignore WM_CTLCOLOR*; without a theme they take the layout's colours.
        if (control.kind == Kind::Frame || control.kind == Kind::OptionButton ||
            control.kind == Kind::CheckBox || control.kind == Kind::DropDownList) {
            turnOffVisualStyles(hwnd);
        }
        if (control.checked) {
            SendMessageW(hwnd, BM_SETCHECK, BST_CHECKED, 0);
        }
    }
    applyDpi(dpi);
}

// The controls keep using their old fonts until WM_SETFONT gives them the
// new ones; only then are the old ones deleted.
void LayoutControls::applyDpi(UINT dpi) {
    dpi_ = dpi;
    std::vector<CachedFont> old;
    old.swap(fonts_);
    for (std::size_t i = 0; i < handles_.size(); ++i) {
        placeControl(i);
    }
    for (const CachedFont& cached : old) {
        DeleteObject(cached.font);
    }
}

void LayoutControls::placeControl(std::size_t index) {
    HWND hwnd = handles_[index];
    if (hwnd == nullptr) {
        return;
    }
    const layout::Control& control = layout_.controls[index];
    const layout::TwipRect& r = control.rect;
    int height = twipsToPixels(r.height, dpi_);
    if (control.kind == Kind::DropDownList) {
        height *= kDroppedListHeights;
    }
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(control.font)), FALSE);
    SetWindowPos(hwnd, nullptr, twipsToPixels(r.left, dpi_), twipsToPixels(r.top, dpi_),
                 twipsToPixels(r.width, dpi_), height, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(hwnd, nullptr, TRUE);
}

HWND LayoutControls::handle(std::string_view name) const {
    for (std::size_t i = 0; i < handles_.size(); ++i) {
        if (layout_.controls[i].name == name) {
            return handles_[i];
        }
    }
    return nullptr;
}

std::string_view LayoutControls::nameOf(int id) const {
    const int index = id - kFirstControlId;
    if (index < 0 || index >= static_cast<int>(handles_.size())) {
        return {};
    }
    return layout_.controls[static_cast<std::size_t>(index)].name;
}

std::string_view LayoutControls::nameOf(HWND control) const {
    const layout::Control* found = controlOf(control);
    return found == nullptr ? std::string_view{} : found->name;
}

bool LayoutControls::isLink(HWND control) const {
    const layout::Control* found = controlOf(control);
    return found != nullptr && found->kind == Kind::Link;
}

const layout::Control* LayoutControls::controlOf(HWND control) const {
    for (std::size_t i = 0; i < handles_.size(); ++i) {
        if (handles_[i] == control && control != nullptr) {
            return &layout_.controls[i];
        }
    }
    return nullptr;
}

HBRUSH LayoutControls::colourControl(HDC dc, HWND control) {
    const COLORREF window = backgroundColour();
    const layout::Control* found = controlOf(control);
    // Not one of ours: the opened list of a drop-down list, which takes the
    // lists' colours.
    const layout::Colour foreground = found ? found->foreground : layout::kDarkRed;
    const layout::Colour background = found ? found->background : layout::kBlack;
    const COLORREF back = toColorRef(background, window);
    SetTextColor(dc, toColorRef(foreground, window));
    SetBkColor(dc, back);
    return brushFor(back);
}

// NM_CUSTOMDRAW from a button. A disabled option button or check box is
// drawn here instead of by the control: the control draws its disabled text
// embossed (DrawState with DSS_DISABLED) through a one-bit bitmap exactly as
// wide as the text measures, and Wine renders that bitmap's text a few pixels
// wider than it measures, which cut off the end of "Start at system tray". The
// embossed white highlight also stands out on the black background. Here the
// box is drawn inactive and the text in the system's grey text colour, on the
// layout's background. Everything else the control draws itself.
LRESULT LayoutControls::customDraw(const NMCUSTOMDRAW& draw) {
    const layout::Control* control = controlOf(draw.hdr.hwndFrom);
    if (control == nullptr ||
        (control->kind != Kind::OptionButton && control->kind != Kind::CheckBox) ||
        draw.dwDrawStage != CDDS_PREERASE || IsWindowEnabled(draw.hdr.hwndFrom)) {
        return CDRF_DODEFAULT;
    }
    paintDisabledChoice(draw.hdr.hwndFrom, *control, draw.hdc);
    return CDRF_SKIPDEFAULT;
}

void LayoutControls::paintDisabledChoice(HWND hwnd, const layout::Control& control, HDC dc) {
    const int saved = SaveDC(dc);
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(dc, &client, brushFor(toColorRef(control.background, backgroundColour())));
    SelectObject(dc, fontFor(control.font));

    // The box's size and the gap after it follow the classic button: 12
    // pixels and one at 96 DPI, then half the width of a digit.
    const int boxSize = scaleFrom96(12, dpi_) + 1;
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

// A themed push button draws its parent's background behind its rounded
// corners (DrawThemeParentBackground), which sends the parent WM_ERASEBKGND
// and WM_PRINTCLIENT with the button's own device context, and then draws its
// caption with whatever font that context holds. A group box left to itself
// answers WM_PRINTCLIENT by painting itself and leaves its own caption font
// selected, so the buttons on the panels showed their text in the panel's
// 11.25 pt caption font, whatever WM_SETFONT had given them (seen under Wine).
// The container is drawn as on screen, and the context is handed back with the
// font, pen, brush and colours it came with.
void LayoutControls::printClient(HWND container, HDC dc) {
    const int saved = SaveDC(dc);
    eraseBackground(container, dc);
    if (container != root_) {
        paintFrame(container, dc);
    }
    paintOutlines(container, dc);
    RestoreDC(dc, saved);
}

void LayoutControls::eraseBackground(HWND container, HDC dc) {
    RECT client;
    GetClientRect(container, &client);
    FillRect(dc, &client, backgroundBrush());
}

// The group box's own painting is replaced: with visual styles it draws its
// caption in the theme's colour whatever WM_CTLCOLORSTATIC says, and Wine's
// common controls 6 lose its caption on a dark background. The window keeps
// its BUTTON class and caption, so accessibility tools still see a group box.
void LayoutControls::paintFrame(HWND frame, HDC dc) {
    const layout::Control* control = controlOf(frame);
    if (control == nullptr) {
        return;
    }
    HGDIOBJ oldFont = SelectObject(dc, fontFor(control->font));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    RECT border;
    GetClientRect(frame, &border);
    // The top edge runs through the middle of the caption's line.
    border.top += metrics.tmHeight / 2 - 1;
    DrawEdge(dc, &border, EDGE_ETCHED, BF_RECT);
    const std::wstring caption = toUtf16(control->caption);
    if (!caption.empty()) {
        const int margin = scaleFrom96(7, dpi_);
        RECT text{margin, 0, margin, metrics.tmHeight};
        DrawTextW(dc, caption.c_str(), -1, &text, DT_SINGLELINE | DT_CALCRECT);
        text.right += 2;
        FillRect(dc, &text, brushFor(toColorRef(control->background, backgroundColour())));
        OffsetRect(&text, 1, 0);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, toColorRef(control->foreground, backgroundColour()));
        DrawTextW(dc, caption.c_str(), -1, &text, DT_SINGLELINE);
    }
    SelectObject(dc, oldFont);
}

void LayoutControls::paintOutlines(HWND container, HDC dc) const {
    const std::string_view containerName =
        container == root_ ? std::string_view{} : nameOf(container);
    if (container != root_ && containerName.empty()) {
        return;
    }
    for (const layout::Control& control : layout_.controls) {
        if ((control.kind != Kind::Shape && control.kind != Kind::Line) ||
            control.parent != containerName) {
            continue;
        }
        const COLORREF colour = toColorRef(control.foreground, backgroundColour());
        HPEN pen = CreatePen(PS_INSIDEFRAME, scaleFrom96(control.borderWidth, dpi_), colour);
        HGDIOBJ oldPen = SelectObject(dc, pen);
        HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
        const layout::TwipRect& r = control.rect;
        const int left = twipsToPixels(r.left, dpi_);
        const int top = twipsToPixels(r.top, dpi_);
        const int right = twipsToPixels(r.left + r.width, dpi_);
        const int bottom = twipsToPixels(r.top + r.height, dpi_);
        if (control.kind == Kind::Shape) {
            Rectangle(dc, left, top, right, bottom);
        } else {
            MoveToEx(dc, left, top, nullptr);
            LineTo(dc, right, bottom);
        }
        SelectObject(dc, oldBrush);
        SelectObject(dc, oldPen);
        DeleteObject(pen);
    }
}

COLORREF LayoutControls::backgroundColour() const {
    return toColorRef(layout_.background, RGB(0, 0, 0));
}

HBRUSH LayoutControls::backgroundBrush() {
    return brushFor(backgroundColour());
}

HFONT LayoutControls::fontFor(const layout::Font& wanted) {
    for (const CachedFont& cached : fonts_) {
        if (cached.wanted.twentiethsOfPoint == wanted.twentiethsOfPoint &&
            cached.wanted.bold == wanted.bold && cached.wanted.underline == wanted.underline) {
            return cached.font;
        }
    }
    LOGFONTW font{};
    // A point is 20 twips, so the size in twentieths of a point is the
    // character height in twips; negative asks for the character height
    // rather than the cell height.
    font.lfHeight = -twipsToPixels(wanted.twentiethsOfPoint, dpi_);
    font.lfWeight = wanted.bold ? FW_BOLD : FW_NORMAL;
    font.lfUnderline = wanted.underline ? TRUE : FALSE;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = CLEARTYPE_QUALITY;
    font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    if (face_.empty()) {
        face_ = installedFace();
    }
    wcsncpy_s(font.lfFaceName, LF_FACESIZE, face_.c_str(), _TRUNCATE);
    HFONT created = CreateFontIndirectW(&font);
    fonts_.push_back({wanted, created});
    return created;
}

HBRUSH LayoutControls::brushFor(COLORREF colour) {
    for (const CachedBrush& cached : brushes_) {
        if (cached.colour == colour) {
            return cached.brush;
        }
    }
    HBRUSH brush = CreateSolidBrush(colour);
    brushes_.push_back({colour, brush});
    return brush;
}

// Called when the window (and with it every control) is gone.
void LayoutControls::releaseFonts() {
    for (const CachedFont& cached : fonts_) {
        DeleteObject(cached.font);
    }
    fonts_.clear();
}

}  // namespace corvallo::win32
