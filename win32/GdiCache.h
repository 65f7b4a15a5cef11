#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <tuple>

#include "core/views/MainLayout.h"
#include "win32/UniqueHandle.h"

namespace corvallo::win32 {

// The fonts and brushes of one window, each made once on first use and kept
// until the cache goes (or, for fonts, until the window has moved on to
// another DPI), so that painting and WM_CTLCOLOR* never make or leak one.
class GdiCache {
  public:
    GdiCache() = default;
    GdiCache(const GdiCache&) = delete;
    GdiCache& operator=(const GdiCache&) = delete;

    // The layout's font at `dpi`, in the installed face (see installedFace).
    [[nodiscard]] HFONT font(const layout::Font& font, UINT dpi);
    [[nodiscard]] HBRUSH brush(COLORREF colour);

    // Deletes the fonts made for any other DPI. Only once the controls have
    // been given the fonts of the new DPI: a control keeps using its font.
    void releaseFontsExcept(UINT dpi);

  private:
    // Size in twentieths of a point, bold, underlined, DPI.
    using FontKey = std::tuple<int, bool, bool, UINT>;

    std::wstring face_;  // found on first use
    std::map<FontKey, FontHandle> fonts_;
    std::map<COLORREF, BrushHandle> brushes_;
};

}  // namespace corvallo::win32
