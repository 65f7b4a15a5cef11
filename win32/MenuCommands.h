#pragma once

#include <cstddef>
#include <optional>

// The command id of a menu item is derived from the item's index in the
// layout's menu description (layout::Window::menus), so that a WM_COMMAND
// leads back to the item and from its name to its route. Kept apart from the
// control ids (from 1000 on) and from IDOK and IDCANCEL, which the dialog
// manager sends for Enter and Esc. Header-only and without Windows headers,
// so that the end-to-end tests can name a menu item's command too.
namespace corvallo::win32 {

inline constexpr int kFirstMenuCommandId = 40000;

[[nodiscard]] constexpr int menuCommandId(std::size_t menuIndex) {
    return kFirstMenuCommandId + static_cast<int>(menuIndex);
}

// The index of the menu item with this command id; nothing when the id is
// no menu item's of a menu description with `menuCount` items.
[[nodiscard]] constexpr std::optional<std::size_t> menuIndexOf(int commandId,
                                                               std::size_t menuCount) {
    if (commandId < kFirstMenuCommandId) {
        return std::nullopt;
    }
    const auto index = static_cast<std::size_t>(commandId - kFirstMenuCommandId);
    if (index >= menuCount) {
        return std::nullopt;
    }
    return index;
}

}  // namespace corvallo::win32
