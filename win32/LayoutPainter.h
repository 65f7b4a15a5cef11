#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string_view>
#include <unordered_map>
#include <vector>

#include "win32/LayoutControls.h"

namespace corvallo::win32 {

// Paints what the standard controls of a layout do not paint themselves, in
// the layout's colours and fonts: the background of the window and of its
// frames, the frames' borders and captions, the shapes and lines, the
// colours of the controls (WM_CTLCOLOR*), and disabled option buttons and
// check boxes. A container is the window itself or one of its frames.
class LayoutPainter {
  public:
    // Asks whether high contrast is on; highContrastOn() (HighContrast.h)
    // unless a test asks its own question.
    using HighContrastQuery = bool (*)();

    // `controls` must outlive this object.
    explicit LayoutPainter(LayoutControls& controls, HighContrastQuery highContrast = nullptr);
    LayoutPainter(const LayoutPainter&) = delete;
    LayoutPainter& operator=(const LayoutPainter&) = delete;

    // WM_ERASEBKGND: fills the container's client area with the window background.
    void eraseBackground(HWND container, HDC dc);
    // WM_PAINT: a frame's border and caption, then the container's shapes and lines.
    void paint(HWND container, HDC dc);
    // WM_PRINTCLIENT: background and painting into `dc`, which is left as it
    // was found.
    void printClient(HWND container, HDC dc);

    // WM_CTLCOLOR*: sets the text and background colour of the control's
    // device context and returns the brush for its background.
    [[nodiscard]] HBRUSH colourControl(HDC dc, HWND control);

    // Reads the high-contrast setting again (WM_SETTINGCHANGE,
    // WM_SYSCOLORCHANGE). While it is on, everything is painted in the system's
    // window, text and link colours instead of the layout's; pictures and
    // push buttons, which the system draws, are as always.
    void refreshSystemColours();
    [[nodiscard]] bool systemColours() const { return systemColours_; }

    // WM_NOTIFY with NM_CUSTOMDRAW from a button: draws disabled option
    // buttons and check boxes itself and returns CDRF_SKIPDEFAULT for them;
    // CDRF_DODEFAULT for everything else.
    [[nodiscard]] LRESULT customDraw(const NMCUSTOMDRAW& draw);

  private:
    [[nodiscard]] COLORREF colourOf(const layout::Colour& colour) const;
    [[nodiscard]] COLORREF backgroundColour() const;
    // A control's text or lines, and its background, in either set of colours.
    [[nodiscard]] COLORREF foregroundOf(const layout::Control& control) const;
    [[nodiscard]] COLORREF backgroundOf(const layout::Control& control) const;
    void paintFrame(HWND frame, const layout::Control& control, HDC dc);
    void paintOutlines(std::string_view container, HDC dc);
    void paintDisabledChoice(HWND hwnd, const layout::Control& control, HDC dc);

    LayoutControls& controls_;
    HighContrastQuery highContrast_;
    bool systemColours_ = false;
    // The shapes and lines of each container, by the container's name (empty
    // for the window itself), as layout indexes.
    std::unordered_map<std::string_view, std::vector<std::size_t>> outlines_;
};

}  // namespace corvallo::win32
