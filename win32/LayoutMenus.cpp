#include "win32/LayoutMenus.h"

#include <stdexcept>

#include "core/ports/PlatformError.h"
#include "core/views/ControlNames.h"
#include "win32/MenuCommands.h"
#include "win32/Utf16.h"

namespace corvallo::win32 {
namespace {

[[noreturn]] void fail(const char* what) {
    throw PlatformError(static_cast<long>(GetLastError()), what);
}

}  // namespace

HMENU LayoutMenus::createMenuBar() const {
    MenuHandle bar(CreateMenu());
    if (!bar) {
        fail("CreateMenu");
    }
    appendChildren(bar.get(), {});
    return bar.release();
}

HMENU LayoutMenus::popupMenu() {
    if (!popup_) {
        MenuHandle popup(CreatePopupMenu());
        if (!popup) {
            fail("CreatePopupMenu");
        }
        appendChildren(popup.get(), names::kTrayPopupMenu);
        popup_ = std::move(popup);
    }
    return popup_.get();
}

// An item without a caption is a separator, one with children opens a
// submenu, any other is a command. A submenu belongs to its menu once
// appended, and goes with it.
void LayoutMenus::appendChildren(HMENU menu, std::string_view parent) const {
    for (std::size_t i = 0; i < menus_.size(); ++i) {
        const layout::MenuItem& item = menus_[i];
        if (item.parent != parent || !item.visible) {
            continue;
        }
        const std::wstring caption = toUtf16(item.caption);
        BOOL appended = FALSE;
        if (caption.empty()) {
            appended = AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        } else if (hasChildren(item.name)) {
            MenuHandle submenu(CreatePopupMenu());
            if (!submenu) {
                fail("CreatePopupMenu");
            }
            appendChildren(submenu.get(), item.name);
            appended = AppendMenuW(menu, MF_POPUP | MF_STRING,
                                   reinterpret_cast<UINT_PTR>(submenu.get()), caption.c_str());
            if (appended) {
                (void)submenu.release();
            }
        } else {
            appended = AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(menuCommandId(i)),
                                   caption.c_str());
        }
        if (!appended) {
            fail("AppendMenuW");
        }
    }
}

bool LayoutMenus::hasChildren(std::string_view name) const {
    for (const layout::MenuItem& item : menus_) {
        if (item.parent == name) {
            return true;
        }
    }
    return false;
}

std::string_view LayoutMenus::nameOf(int commandId) const {
    const std::optional<std::size_t> index = menuIndexOf(commandId, menus_.size());
    return index ? menus_[*index].name : std::string_view{};
}

}  // namespace corvallo::win32
