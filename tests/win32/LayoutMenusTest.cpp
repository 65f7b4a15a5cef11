// The menus built from the layout's menu description: what the menu bar and
// the notification icon's popup menu hold, and that every command leads back
// to its item's name and route.
#include "win32/LayoutMenus.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/views/Routes.h"
#include "win32/MenuCommands.h"
#include "win32/Utf16.h"

namespace corvallo::win32 {
namespace {

const std::vector<layout::MenuItem>& menus() {
    return layout::mainWindow().menus;
}

std::vector<const layout::MenuItem*> visibleChildren(std::string_view parent) {
    std::vector<const layout::MenuItem*> children;
    for (const layout::MenuItem& item : menus()) {
        if (item.parent == parent && item.visible) {
            children.push_back(&item);
        }
    }
    return children;
}

std::string captionAt(HMENU menu, int position) {
    wchar_t text[128] = {};
    GetMenuStringW(menu, static_cast<UINT>(position), text, 128, MF_BYPOSITION);
    return toUtf8(text);
}

// Compares `menu` with the layout's visible children of `parent`, level by
// level, and collects the command ids on the way.
void expectMatches(HMENU menu, std::string_view parent, std::vector<int>& commands) {
    const auto children = visibleChildren(parent);
    ASSERT_EQ(GetMenuItemCount(menu), static_cast<int>(children.size())) << parent;
    for (int i = 0; i < static_cast<int>(children.size()); ++i) {
        const layout::MenuItem& item = *children[static_cast<std::size_t>(i)];
        SCOPED_TRACE(std::string(item.name));
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU;
        ASSERT_TRUE(GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info));
        if (item.caption.empty()) {
            EXPECT_TRUE(info.fType & MFT_SEPARATOR);
            continue;
        }
        EXPECT_EQ(captionAt(menu, i), item.caption);
        if (info.hSubMenu != nullptr) {
            expectMatches(info.hSubMenu, item.name, commands);
        } else {
            commands.push_back(static_cast<int>(info.wID));
        }
    }
}

class LayoutMenusTest : public testing::Test {
  protected:
    void TearDown() override {
        if (bar_ != nullptr) {
            DestroyMenu(bar_);
        }
    }

    LayoutMenus menus_{menus()};
    HMENU bar_ = nullptr;
};

TEST_F(LayoutMenusTest, MenuBarHoldsTheVisibleItemsOfTheLayout) {
    bar_ = menus_.createMenuBar();
    ASSERT_NE(bar_, nullptr);
    std::vector<int> commands;
    expectMatches(bar_, {}, commands);
    EXPECT_EQ(captionAt(bar_, 0), "&File");
    EXPECT_EQ(captionAt(bar_, GetMenuItemCount(bar_) - 1), "&Donate");
}

TEST_F(LayoutMenusTest, EveryCommandLeadsBackToItsItemAndItsRoute) {
    bar_ = menus_.createMenuBar();
    std::vector<int> commands;
    expectMatches(bar_, {}, commands);
    expectMatches(menus_.popupMenu(), "mnuPopUp", commands);
    EXPECT_EQ(commands.size(), 10u);
    for (const int id : commands) {
        const std::string_view name = menus_.nameOf(id);
        ASSERT_FALSE(name.empty()) << id;
        const std::size_t index = static_cast<std::size_t>(id - kFirstMenuCommandId);
        EXPECT_EQ(menus()[index].name, name);
        EXPECT_TRUE(routeOf(kMainRoutes, name).has_value()) << name;
    }
}

TEST_F(LayoutMenusTest, PopupMenuOffersShowThenExit) {
    HMENU popup = menus_.popupMenu();
    ASSERT_EQ(GetMenuItemCount(popup), 2);
    EXPECT_EQ(captionAt(popup, 0), "Show");
    EXPECT_EQ(captionAt(popup, 1), "Exit");
    EXPECT_EQ(routeOf(kMainRoutes, menus_.nameOf(static_cast<int>(GetMenuItemID(popup, 0)))),
              MainAction::RestoreFromTray);
    EXPECT_EQ(routeOf(kMainRoutes, menus_.nameOf(static_cast<int>(GetMenuItemID(popup, 1)))),
              MainAction::Quit);
    EXPECT_EQ(menus_.popupMenu(), popup);
}

// "mnuPopUp" and "Make Money &Online" are hidden: neither is on the bar.
TEST_F(LayoutMenusTest, HiddenItemsAreNotOnTheMenuBar) {
    bar_ = menus_.createMenuBar();
    for (std::size_t i = 0; i < menus().size(); ++i) {
        if (!menus()[i].visible) {
            SCOPED_TRACE(std::string(menus()[i].name));
            EXPECT_EQ(GetMenuState(bar_, static_cast<UINT>(menuCommandId(i)), MF_BYCOMMAND),
                      static_cast<UINT>(-1));
            for (int position = 0; position < GetMenuItemCount(bar_); ++position) {
                EXPECT_NE(captionAt(bar_, position), menus()[i].caption);
            }
        }
    }
}

TEST_F(LayoutMenusTest, IdsOfNoItemHaveNoName) {
    EXPECT_TRUE(menus_.nameOf(0).empty());
    EXPECT_TRUE(menus_.nameOf(IDOK).empty());
    EXPECT_TRUE(menus_.nameOf(kFirstMenuCommandId - 1).empty());
    EXPECT_TRUE(menus_.nameOf(menuCommandId(menus().size())).empty());
    EXPECT_EQ(menus_.nameOf(menuCommandId(0)), menus()[0].name);
}

}  // namespace
}  // namespace corvallo::win32
