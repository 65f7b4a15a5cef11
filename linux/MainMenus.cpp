#include "linux/MainMenus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>

#include "core/views/ControlNames.h"
#include "linux/LayoutWidgets.h"

namespace corvallo::qt {
namespace {

// The items under `parent`; without `perform`, routed items run nothing.
void addItems(QMenu& menu, const layout::Window& layout, std::string_view parent,
              const std::function<void(MainAction)>& perform) {
    for (const layout::MenuItem& item : layout.menus) {
        if (item.parent != parent) {
            continue;
        }
        if (item.caption.empty()) {
            menu.addSeparator()->setObjectName(toQString(item.name));
            continue;
        }
        QAction* entry = menu.addAction(toQString(item.caption));
        entry->setObjectName(toQString(item.name));
        entry->setVisible(item.visible);
        if (const auto action = routeOf(kMainRoutes, item.name); action && perform) {
            QObject::connect(entry, &QAction::triggered,
                             [perform, action = *action] { perform(action); });
        }
    }
}

bool hasItems(const layout::Window& layout, std::string_view parent) {
    return std::any_of(layout.menus.begin(), layout.menus.end(),
                       [&](const layout::MenuItem& item) { return item.parent == parent; });
}

// A top-level item without items of its own is a command on the bar itself:
// one click, or Alt with its access key, runs it. As a menu it would only
// open an empty popup.
void addCommand(QMenuBar& bar, const layout::MenuItem& item,
                const std::function<void(MainAction)>& perform) {
    QAction* command = bar.addAction(toQString(item.caption));
    command->setObjectName(toQString(item.name));
    command->setVisible(item.visible);
    if (const auto action = routeOf(kMainRoutes, item.name)) {
        QObject::connect(command, &QAction::triggered,
                         [perform, action = *action] { perform(action); });
    }
}

}  // namespace

std::unique_ptr<QMenu> createMainMenus(QMenuBar& bar, const layout::Window& layout,
                                       const std::function<void(MainAction)>& perform) {
    auto trayMenu = std::make_unique<QMenu>();
    trayMenu->setObjectName(toQString(names::kTrayPopupMenu));
    trayMenu->menuAction()->setObjectName(toQString(names::kTrayPopupMenu));
    for (const layout::MenuItem& top : layout.menus) {
        if (!top.parent.empty()) {
            continue;
        }
        if (top.name == names::kTrayPopupMenu) {
            addItems(*trayMenu, layout, top.name, {});
            continue;
        }
        if (!hasItems(layout, top.name)) {
            addCommand(bar, top, perform);
            continue;
        }
        QMenu* menu = bar.addMenu(toQString(top.caption));
        menu->setObjectName(toQString(top.name));
        menu->menuAction()->setObjectName(toQString(top.name));
        menu->menuAction()->setVisible(top.visible);
        addItems(*menu, layout, top.name, perform);
    }
    return trayMenu;
}

TrayMenuChoice execTrayMenu(QMenu& trayMenu, QPoint position) {
    QAction* show = trayMenu.findChild<QAction*>(QString::fromUtf8(names::kTrayMenuShow));
    trayMenu.setDefaultAction(show);
    const QAction* chosen = trayMenu.exec(position);
    if (chosen == nullptr) {
        return TrayMenuChoice::None;
    }
    if (chosen == show) {
        return TrayMenuChoice::Show;
    }
    return chosen->objectName() == QString::fromUtf8(names::kTrayMenuExit) ? TrayMenuChoice::Exit
                                                                           : TrayMenuChoice::None;
}

}  // namespace corvallo::qt
