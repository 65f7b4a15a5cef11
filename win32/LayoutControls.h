#pragma once

#include <windows.h>

#include <cstddef>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/views/MainLayout.h"
#include "win32/GdiCache.h"

namespace corvallo::win32 {

// The standard controls of one window, made from its layout description:
// frames are BUTTON group boxes, labels and links STATIC, lists COMBOBOX,
// buttons, option buttons and check boxes BUTTON, pictures STATIC. Shapes and
// lines are no windows; LayoutPainter draws them on their parent. The set
// places and scales everything at the window's DPI and keeps the window's
// fonts and brushes (gdi()).
//
// A drop-down list the layout never shows is no window either: a combo box
// costs two windows (its box and its opened list) and a message per item, and
// the owner keeps such a list's items as data (win32/OffScreenList.h).
//
// A control's id is kFirstControlId plus its index in the layout, so that a
// message's control id or window leads to its layout entry at once.
class LayoutControls {
  public:
    struct Options {
        std::string_view defaultButton;  // drawn as the default push button
        std::string_view iconPicture;    // a picture box that shows an icon, not a bitmap
    };

    // Above IDOK and IDCANCEL, which the dialog manager sends for Enter and Esc.
    static constexpr int kFirstControlId = 1000;

    // `layout` must outlive this object.
    explicit LayoutControls(const layout::Window& layout);
    LayoutControls(const LayoutControls&) = delete;
    LayoutControls& operator=(const LayoutControls&) = delete;

    // Whether create() makes `control` as a window.
    [[nodiscard]] static bool isWindow(const layout::Control& control);

    // Creates every control as a child of `root` (or of its frame), at `dpi`,
    // in its place and with its font.
    // A window that is made anew (the About window, at each opening) calls
    // it again; the handles of the window before are forgotten.
    void create(HWND root, HINSTANCE instance, UINT dpi, const Options& options);

    // Fonts, positions and sizes for a new DPI.
    void applyDpi(UINT dpi);

    [[nodiscard]] const layout::Window& layout() const { return layout_; }
    [[nodiscard]] HWND root() const { return root_; }
    [[nodiscard]] UINT dpi() const { return dpi_; }
    [[nodiscard]] GdiCache& gdi() { return gdi_; }

    // The control's window; null for controls that are no window and unknown names.
    [[nodiscard]] HWND handle(std::string_view name) const;
    // The window of the control at this layout index; null for one that is no window.
    [[nodiscard]] HWND handleAt(std::size_t index) const { return handles_[index]; }
    // The layout entry of the control with this id or window; null when it is
    // none of ours (the opened list of a drop-down list, for one).
    [[nodiscard]] const layout::Control* controlOf(int id) const;
    [[nodiscard]] const layout::Control* controlOf(HWND control) const;
    // The name of the control with this id or window; empty when it is none of ours.
    [[nodiscard]] std::string_view nameOf(int id) const;
    [[nodiscard]] std::string_view nameOf(HWND control) const;
    [[nodiscard]] bool isLink(HWND control) const;

  private:
    [[nodiscard]] static int idOf(std::size_t index) {
        return kFirstControlId + static_cast<int>(index);
    }
    // The control's place in its parent at the current DPI.
    [[nodiscard]] RECT placeOf(std::size_t index) const;
    void placeControl(std::size_t index);

    const layout::Window& layout_;
    std::unordered_map<std::string_view, std::size_t> indexByName_;
    std::vector<HWND> handles_;  // by layout index; null for controls that are no window
    HWND root_ = nullptr;
    UINT dpi_ = 96;
    GdiCache gdi_;
};

}  // namespace corvallo::win32
