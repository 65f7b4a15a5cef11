#pragma once

#include <QPoint>
#include <functional>
#include <memory>

#include "core/views/MainLayout.h"
#include "core/views/MainView.h"
#include "core/views/Routes.h"

class QMenu;
class QMenuBar;

namespace corvallo::qt {

// The main window's menus as the layout describes them, each item's
// objectName its name in the layout. Adds the menu bar's menus, and its
// commands (top-level items without items of their own), to `bar`, where
// choosing a routed item runs `perform` with its action. Returns the
// notification icon's popup menu, which is not on the bar; its items run
// nothing themselves: whoever opens the popup acts on the choice.
[[nodiscard]] std::unique_ptr<QMenu> createMainMenus(
    QMenuBar& bar, const layout::Window& layout, const std::function<void(MainAction)>& perform);

// Opens the popup menu at `position` with "Show" as its default item, and
// returns the item chosen once it closes.
[[nodiscard]] TrayMenuChoice execTrayMenu(QMenu& trayMenu, QPoint position);

}  // namespace corvallo::qt
