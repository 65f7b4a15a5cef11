#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <string_view>
#include <vector>

#include "core/views/MainLayout.h"

namespace corvallo::win32 {

// The standard controls of one window, made from its layout description:
// frames are BUTTON group boxes, labels and links STATIC, lists COMBOBOX,
// buttons, option buttons and check boxes BUTTON, pictures STATIC. Shapes and
// lines are drawn on their parent. The set owns the fonts and brushes and
// places everything at the window's DPI.
class LayoutControls {
  public:
    struct Options {
        std::string_view defaultButton;  // drawn as the default push button
        std::string_view iconPicture;    // a picture box that shows an icon, not a bitmap
    };

    // The first control gets this ID, the others the following ones in layout order.
    static constexpr int kFirstControlId = 1000;

    explicit LayoutControls(const layout::Window& layout);
    ~LayoutControls();
    LayoutControls(const LayoutControls&) = delete;
    LayoutControls& operator=(const LayoutControls&) = delete;

    // Creates every control as a child of `root` (or of its frame), at `dpi`.
    void create(HWND root, HINSTANCE instance, UINT dpi, const Options& options);

    // Fonts, positions and sizes for a new DPI.
    void applyDpi(UINT dpi);
    [[nodiscard]] UINT dpi() const { return dpi_; }

    // The control's window; null for shapes, lines and unknown names.
    [[nodiscard]] HWND handle(std::string_view name) const;
    // The name of the control with this ID or window; empty when it is none of ours.
    [[nodiscard]] std::string_view nameOf(int id) const;
    [[nodiscard]] std::string_view nameOf(HWND control) const;
    [[nodiscard]] bool isLink(HWND control) const;

    // WM_CTLCOLOR*: sets the text and background colour of the control's
    // device context and returns the brush for its background.
    [[nodiscard]] HBRUSH colourControl(HDC dc, HWND control);

    // Fills `container`'s client area with the window background and draws the
    // shapes and lines that belong to it (the root or one of the frames).
    void eraseBackground(HWND container, HDC dc);
    // Draws a frame's etched border and its caption in the layout's font and colour.
    void paintFrame(HWND frame, HDC dc);
    void paintOutlines(HWND container, HDC dc) const;
    // WM_PRINTCLIENT of the root or a frame: its background, frame and shapes
    // into `dc`, which is left as it was found.
    void printClient(HWND container, HDC dc);

    // WM_NOTIFY with NM_CUSTOMDRAW from a button: draws disabled option
    // buttons and check boxes itself and returns CDRF_SKIPDEFAULT for them;
    // CDRF_DODEFAULT for everything else.
    [[nodiscard]] LRESULT customDraw(const NMCUSTOMDRAW& draw);

    // The window background (black): its colour and brush.
    [[nodiscard]] COLORREF backgroundColour() const;
    [[nodiscard]] HBRUSH backgroundBrush();

  private:
    [[nodiscard]] const layout::Control* controlOf(HWND control) const;
    [[nodiscard]] HFONT fontFor(const layout::Font& font);
    [[nodiscard]] HBRUSH brushFor(COLORREF colour);
    void placeControl(std::size_t index);
    void paintDisabledChoice(HWND hwnd, const layout::Control& control, HDC dc);
    void releaseFonts();

    struct CachedFont {
        layout::Font wanted;
        HFONT font;
    };
    struct CachedBrush {
        COLORREF colour;
        HBRUSH brush;
    };

    const layout::Window& layout_;
    std::vector<HWND> handles_;  // by layout index; null for shapes and lines
    HWND root_ = nullptr;
    UINT dpi_ = 96;
    std::wstring face_;  // the installed face all fonts use; found on first use
    std::vector<CachedFont> fonts_;
    std::vector<CachedBrush> brushes_;
};

}  // namespace corvallo::win32
