// Creating, placing and scaling a window's controls from its layout, and
// finding a control's layout entry from its id or window.
#include "win32/LayoutControls.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <algorithm>
#include <string>

#include "win32/Dpi.h"
#include "win32/LinkKeys.h"
#include "win32/Utf16.h"

namespace corvallo::win32 {
namespace {

using layout::Kind;

// A drop-down list's window height includes its opened list: this many
// closed-box heights, about eight items.
constexpr int kDroppedListHeights = 8;

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
            // WS_TABSTOP puts it in the Tab order; makeKeyboardLink does the rest.
            return style | SS_NOTIFY | WS_TABSTOP | WS_GROUP |
                   (control.align == layout::Align::Centre ? SS_CENTER : SS_LEFT);
        default:
            // Without SS_NOPREFIX "&&" shows as a single "&".
            return style | (control.align == layout::Align::Centre ? SS_CENTER : SS_LEFT);
    }
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

}  // namespace

LayoutControls::LayoutControls(const layout::Window& layout)
    : layout_(layout), handles_(layout.controls.size(), nullptr) {
    for (std::size_t i = 0; i < layout.controls.size(); ++i) {
        indexByName_.emplace(layout.controls[i].name, i);
    }
}

bool LayoutControls::isWindow(const layout::Control& control) {
    switch (control.kind) {
        case Kind::Shape:
        case Kind::Line:
            return false;
        case Kind::DropDownList:
            return control.visible;
        default:
            return true;
    }
}

void LayoutControls::create(HWND root, HINSTANCE instance, UINT dpi, const Options& options) {
    root_ = root;
    dpi_ = dpi;
    gdi_.releaseFontsExcept(dpi);
    std::fill(handles_.begin(), handles_.end(), nullptr);
    const auto& controls = layout_.controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const layout::Control& control = controls[i];
        if (!isWindow(control)) {
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
        // Made in its place: moving and sizing each control after it has
        // been made would cost every one of them a second round of messages.
        const RECT place = placeOf(i);
        HWND hwnd = CreateWindowExW(
            exStyle, windowClassOf(control.kind), caption.c_str(), style, place.left, place.top,
            place.right - place.left, place.bottom - place.top, parent,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(idOf(i))), instance, nullptr);
        handles_[i] = hwnd;
        if (hwnd == nullptr) {
            continue;
        }
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(gdi_.font(control.font, dpi_)),
                     FALSE);
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
        if (control.kind == Kind::Link) {
            makeKeyboardLink(hwnd);
        }
    }
}

// The controls keep using their old fonts until WM_SETFONT gives them the
// new ones; only then are the old ones deleted.
void LayoutControls::applyDpi(UINT dpi) {
    dpi_ = dpi;
    for (std::size_t i = 0; i < handles_.size(); ++i) {
        placeControl(i);
    }
    gdi_.releaseFontsExcept(dpi);
}

RECT LayoutControls::placeOf(std::size_t index) const {
    const layout::Control& control = layout_.controls[index];
    const layout::TwipRect& r = control.rect;
    int height = twipsToPixels(r.height, dpi_);
    if (control.kind == Kind::DropDownList) {
        height *= kDroppedListHeights;
    }
    const int left = twipsToPixels(r.left, dpi_);
    const int top = twipsToPixels(r.top, dpi_);
    return RECT{left, top, left + twipsToPixels(r.width, dpi_), top + height};
}

void LayoutControls::placeControl(std::size_t index) {
    HWND hwnd = handles_[index];
    if (hwnd == nullptr) {
        return;
    }
    const layout::Control& control = layout_.controls[index];
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(gdi_.font(control.font, dpi_)), FALSE);
    const RECT place = placeOf(index);
    SetWindowPos(hwnd, nullptr, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(hwnd, nullptr, TRUE);
}

HWND LayoutControls::handle(std::string_view name) const {
    const auto found = indexByName_.find(name);
    return found == indexByName_.end() ? nullptr : handles_[found->second];
}

const layout::Control* LayoutControls::controlOf(int id) const {
    const int index = id - kFirstControlId;
    if (index < 0 || index >= static_cast<int>(handles_.size())) {
        return nullptr;
    }
    return &layout_.controls[static_cast<std::size_t>(index)];
}

// The window's id names its entry; the entry's window must be this one, or
// it is another window that happens to have an id in our range.
const layout::Control* LayoutControls::controlOf(HWND control) const {
    if (control == nullptr) {
        return nullptr;
    }
    const int index = GetDlgCtrlID(control) - kFirstControlId;
    if (index < 0 || index >= static_cast<int>(handles_.size()) ||
        handles_[static_cast<std::size_t>(index)] != control) {
        return nullptr;
    }
    return &layout_.controls[static_cast<std::size_t>(index)];
}

std::string_view LayoutControls::nameOf(int id) const {
    const layout::Control* found = controlOf(id);
    return found == nullptr ? std::string_view{} : found->name;
}

std::string_view LayoutControls::nameOf(HWND control) const {
    const layout::Control* found = controlOf(control);
    return found == nullptr ? std::string_view{} : found->name;
}

bool LayoutControls::isLink(HWND control) const {
    const layout::Control* found = controlOf(control);
    return found != nullptr && found->kind == Kind::Link;
}

}  // namespace corvallo::win32
