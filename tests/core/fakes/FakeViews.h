#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/views/AboutView.h"
#include "core/views/IconStoreView.h"
#include "core/views/MainView.h"

namespace corvallo::fakes {

// The main window's controls as plain state, starting as the window's stored
// layout has them: "Don't run at start-up" selected, the check box disabled
// and clear, lists empty, window hidden.
struct FakeMainView final : MainView {
    std::map<ListId, std::vector<std::string>> lists;
    std::map<ListId, int> selected;
    CheckState trayAtLogOnState = CheckState::Clear;
    bool trayAtLogOnIsEnabled = false;
    StartupOption option = StartupOption::DontRun;
    int picture = 0;
    int settingsPicture = 0;
    std::string description = "<layout text>";
    Panel front = Panel::Tip;
    Promotion promotion = Promotion::Cobrand;
    bool visible = false;
    WindowState state = WindowState::Normal;
    int centred = 0;
    int showCalls = 0;
    int icon = 0;
    bool destroyed = false;
    TrayMenuChoice menuChoice = TrayMenuChoice::None;
    int menusOpened = 0;

    void fillList(ListId list, const std::vector<std::string>& items) override {
        lists[list] = items;
        selected[list] = -1;
    }
    [[nodiscard]] int listCount(ListId list) const override {
        const auto it = lists.find(list);
        return it == lists.end() ? 0 : static_cast<int>(it->second.size());
    }
    [[nodiscard]] std::string listItem(ListId list, int index) const override {
        return lists.at(list).at(static_cast<std::size_t>(index));
    }
    [[nodiscard]] int listIndex(ListId list) const override {
        const auto it = selected.find(list);
        return it == selected.end() ? -1 : it->second;
    }
    void setListIndex(ListId list, int index) override {
        if (index < -1 || index >= listCount(list)) {
            throw std::out_of_range("list index");
        }
        selected[list] = index;
    }
    [[nodiscard]] std::string selectedText(ListId list) const {
        const int index = listIndex(list);
        return index < 0 ? "" : listItem(list, index);
    }
    [[nodiscard]] CheckState trayAtLogOn() const override { return trayAtLogOnState; }
    void setTrayAtLogOn(CheckState state) override { trayAtLogOnState = state; }
    [[nodiscard]] bool trayAtLogOnEnabled() const override { return trayAtLogOnIsEnabled; }
    void setTrayAtLogOnEnabled(bool enabled) override { trayAtLogOnIsEnabled = enabled; }
    [[nodiscard]] StartupOption startupOption() const override { return option; }
    void setStartupOption(StartupOption value) override { option = value; }
    void setTipPicture(int index) override { picture = index; }
    void setSettingsPicture(int index) override { settingsPicture = index; }
    void setTipText(const std::string& text) override { description = text; }
    void bringPanelToFront(Panel panel) override { front = panel; }
    void bringPromotionToFront(Promotion label) override { promotion = label; }
    void show() override {
        visible = true;
        ++showCalls;
    }
    void hide() override { visible = false; }
    void setWindowState(WindowState value) override { state = value; }
    void centreOnScreen() override { ++centred; }
    void setIconFromStore(int position) override { icon = position; }
    [[nodiscard]] TrayMenuChoice popupTrayMenu() override {
        ++menusOpened;
        return menuChoice;
    }
    void destroy() override {
        destroyed = true;
        visible = false;
    }
};

// Shows the About window by running a script of clicks against it.
struct FakeAboutView final : AboutView {
    enum class Click { Ok, HomePage, MoreDetails };
    std::vector<Click> clicks{Click::Ok};
    bool open = false;
    int opened = 0;

    void showModal(const std::function<void(AboutAction)>& perform) override {
        open = true;
        ++opened;
        for (const Click click : clicks) {
            perform(*routeOf(kAboutRoutes, controlOf(click)));
        }
    }
    // The control each click lands on, so that the routing table is exercised.
    static std::string_view controlOf(Click click) {
        switch (click) {
            case Click::Ok:
                return "cmdOK";
            case Click::HomePage:
                return "lblHomePage";
            case Click::MoreDetails:
                break;
        }
        return "Label5";
    }
    void close() override { open = false; }
    [[nodiscard]] bool isOpen() const override { return open; }
};

struct FakeIconStore final : IconStoreView {
    int loads = 0;
    int transparentCalls = 0;
    bool open = false;
    void load() override {
        ++loads;
        open = true;
    }
    void makeTransparent() override { ++transparentCalls; }
    void close() override { open = false; }
};

}  // namespace corvallo::fakes
