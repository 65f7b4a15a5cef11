#pragma once

#include <optional>
#include <string_view>

#include "core/views/MainView.h"

// The map from the layout's control names to what the program does when the
// user clicks them. Front-ends find their controls and menu items by name and
// hand the action to the presenter; no front-end keeps a table of its own.
namespace corvallo {

// What a click on a button, link or menu item of the main window does.
enum class MainAction {
    ApplySettingsAndHideToTray,
    ConfirmQuit,
    ShowSettings,
    ShowAbout,
    OpenHomePage,
    OpenHelpPage,
    OpenDownloadPage,
    OpenDonatePage,
    OpenCoBrandPage,
    OpenFullyBrandedPage,
    RestoreFromTray,
    Quit,
};

// What a click in the About window does.
enum class AboutAction { Close, OpenHomePage, OpenFullyBrandedPage };

template <class Action>
struct Route {
    std::string_view name;
    Action action;
};

// Buttons, links and menu items of the main window, the popup menu's included.
inline constexpr Route<MainAction> kMainRoutes[] = {
    {"Label61", MainAction::OpenHomePage},
    {"lblCobrand", MainAction::OpenCoBrandPage},
    {"lblFullBrand", MainAction::OpenFullyBrandedPage},
    {"cmdExit", MainAction::ConfirmQuit},
    {"cmdSettings", MainAction::ShowSettings},
    {"cmdCalculateMoonPhase", MainAction::ApplySettingsAndHideToTray},
    {"mnuCalculateMoonPhase", MainAction::ApplySettingsAndHideToTray},
    {"mnuExit", MainAction::ConfirmQuit},
    {"mnuSettings", MainAction::ShowSettings},
    {"mnuOnline", MainAction::OpenHelpPage},
    {"mnuVisit", MainAction::OpenHomePage},
    {"mnuUpdate", MainAction::OpenDownloadPage},
    {"mnuAbout", MainAction::ShowAbout},
    {"mnuDonate", MainAction::OpenDonatePage},
    {"mnuMakeMoney", MainAction::OpenFullyBrandedPage},
    {"mnuPop", MainAction::RestoreFromTray},
    {"mnuExit1", MainAction::Quit},
};

inline constexpr Route<AboutAction> kAboutRoutes[] = {
    {"cmdOK", AboutAction::Close},
    {"lblHomePage", AboutAction::OpenHomePage},
    {"Label5", AboutAction::OpenFullyBrandedPage},
};

// The action of the control or menu item of that name; nothing when it has none.
template <class Action, std::size_t N>
[[nodiscard]] constexpr std::optional<Action> routeOf(const Route<Action> (&routes)[N],
                                                      std::string_view name) {
    for (const Route<Action>& route : routes) {
        if (route.name == name) {
            return route.action;
        }
    }
    return std::nullopt;
}

// The lists, by control name.
struct ListName {
    ListId list;
    std::string_view name;
};
inline constexpr ListName kListNames[] = {
    {ListId::Date, "cboDate"}, {ListId::Month, "cboMonth"},   {ListId::Year, "cboYear"},
    {ListId::Hour, "cboHour"}, {ListId::Minute, "cboMinute"}, {ListId::Second, "cboSecond"},
};

// The lists the user can pick from; the date lists are never shown.
inline constexpr ListId kUserLists[] = {ListId::Hour, ListId::Minute, ListId::Second};

[[nodiscard]] constexpr std::string_view listName(ListId list) {
    for (const ListName& entry : kListNames) {
        if (entry.list == list) {
            return entry.name;
        }
    }
    return {};
}

// The start-up option buttons and the check box, by control name.
inline constexpr std::string_view kRunOptionName = "optRun";
inline constexpr std::string_view kDontRunOptionName = "optDontRun";
inline constexpr std::string_view kTrayAtLogOnName = "chkSysTray";

}  // namespace corvallo
