#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

#include "core/views/MainLayout.h"
#include "win32/UniqueHandle.h"

namespace corvallo::win32 {

// The main window's menus, built from the layout's menu description: the
// menu bar with every visible top-level item and its submenus, and the
// notification icon's popup menu, the submenu of the hidden top-level item
// names::kTrayPopupMenu. Hidden items are on no menu. Each item's command id is
// menuCommandId(its index in the description).
class LayoutMenus {
  public:
    // `menus` must outlive this object.
    explicit LayoutMenus(const std::vector<layout::MenuItem>& menus) : menus_(menus) {}

    // A new menu bar, which the caller gives to its window (SetMenu): the
    // window destroys it with itself.
    [[nodiscard]] HMENU createMenuBar() const;

    // The popup menu, made on first use and owned by this object.
    [[nodiscard]] HMENU popupMenu();

    // The name of the item with this command id; empty when none has it.
    [[nodiscard]] std::string_view nameOf(int commandId) const;

  private:
    // Appends the children of the item `parent` to `menu`.
    void appendChildren(HMENU menu, std::string_view parent) const;
    [[nodiscard]] bool hasChildren(std::string_view name) const;

    const std::vector<layout::MenuItem>& menus_;
    MenuHandle popup_;
};

}  // namespace corvallo::win32
