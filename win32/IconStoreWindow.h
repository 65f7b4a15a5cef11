#pragma once

#include <windows.h>

#include <commctrl.h>

#include "core/views/IconStoreView.h"
#include "win32/BaseWindow.h"

namespace corvallo::win32 {

// The icon store: a top-level window that is never shown and keeps the program's
// icon list. Position 31 of the list is the program icon; the positions
// before it are never read and hold the same icon, so that the position
// stays where the rest of the program expects it.
class IconStoreWindow final : public IconStoreView, public BaseWindow<IconStoreWindow> {
  public:
    static constexpr int kIconCount = 31;

    explicit IconStoreWindow(HINSTANCE instance) : instance_(instance) {}
    ~IconStoreWindow() override;

    void load() override;
    void makeTransparent() override;
    void close() override;

    // A new icon handle for the icon at `position` (1 to 31), which the
    // caller destroys; throws when the store is not loaded or the position is
    // outside the list.
    [[nodiscard]] HICON icon(int position) const;

  private:
    friend class BaseWindow<IconStoreWindow>;
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

    HINSTANCE instance_;
    HIMAGELIST icons_ = nullptr;
};

}  // namespace corvallo::win32
