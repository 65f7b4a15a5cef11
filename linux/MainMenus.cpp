#include "linux/MainMenus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "linux/LayoutWidgets.h"

namespace corvallo::qt {
namespace {

constexpr std::string_view kTrayMenuName = "mnuPopUp";

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

}  // namespace

std::unique_ptr<QMenu> createMainMenus(QMenuBar& bar, const layout::Window& layout,
                                       const std::function<void(MainAction)>& perform) {
    auto trayMenu = std::make_unique<QMenu>();
    trayMenu->setObjectName(toQString(kTrayMenuName));
    trayMenu->menuAction()->setObjectName(toQString(kTrayMenuName));
    for (const layout::MenuItem& top : layout.menus) {
        if (!top.parent.empty()) {
            continue;
        }
        if (top.name == kTrayMenuName) {
            addItems(*trayMenu, layout, top.name, {});
            continue;
        }
        QMenu* menu = bar.addMenu(toQString(top.caption));
        menu->setObjectName(toQString(top.name));
        menu->menuAction()->setObjectName(toQString(top.name));
        menu->menuAction()->setVisible(top.visible);
        if (const auto action = routeOf(kMainRoutes, top.name)) {
            // A top-level item without children is a command of its own.
            QObject::connect(menu->menuAction(), &QAction::triggered,
                             [perform, action = *action] { perform(action); });
        }
        addItems(*menu, layout, top.name, perform);
    }
    return trayMenu;
}

TrayMenuChoice execTrayMenu(QMenu& trayMenu, QPoint position) {
    QAction* show = trayMenu.findChild<QAction*>(QStringLiteral("mnuPop"));
    trayMenu.setDefaultAction(show);
    const QAction* chosen = trayMenu.exec(position);
    if (chosen == nullptr) {
        return TrayMenuChoice::None;
    }
    if (chosen == show) {
        return TrayMenuChoice::Show;
    }
    return chosen->objectName() == QStringLiteral("mnuExit1") ? TrayMenuChoice::Exit
                                                              : TrayMenuChoice::None;
}

}  // namespace corvallo::qt
