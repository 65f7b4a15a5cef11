#include "core/app/SettingsPanel.h"

#include <stdexcept>
#include <string>

#include "core/app/Steps.h"
#include "core/model/ProgramName.h"
#include "core/model/SettingsKeys.h"
#include "core/model/TextConversions.h"

namespace corvallo {
namespace {

// The settings key of each display time list; the date lists have none.
std::string_view keyOf(ListId list) {
    switch (list) {
        case ListId::Hour:
            return settings::kHour;
        case ListId::Minute:
            return settings::kMinute;
        case ListId::Second:
            return settings::kSecond;
        case ListId::Date:
        case ListId::Month:
        case ListId::Year:
            break;
    }
    return {};
}

int indexOfItem(const MainView& view, ListId list, const std::string& text) {
    const int count = view.listCount(list);
    for (int i = 0; i < count; ++i) {
        if (view.listItem(list, i) == text) {
            return i;
        }
    }
    throw ConversionError("'" + text + "' is not an entry of the list");
}

}  // namespace

void SettingsPanel::showSettings() {
    attempt([&] { view_.bringPanelToFront(Panel::Settings); });
}

void SettingsPanel::applySettingsAndHideToTray() {
    if (!dateIsValid()) {
        return;
    }
    attemptEach(*this, &SettingsPanel::save, &SettingsPanel::minimise);
    tray_.hideToTray();
    attemptEach(*this, &SettingsPanel::tipPanelToFront);
}

// The year is not consulted, so 29 February always passes.
bool SettingsPanel::dateIsValid() {
    const int day = view_.listIndex(ListId::Date);
    const int month = view_.listIndex(ListId::Month);
    const bool february30or31 = month == 1 && day >= 29 && day <= 30;
    const bool day31of30DayMonth =
        (month == 3 || month == 5 || month == 8 || month == 10) && day == 30;
    if (!february30or31 && !day31of30DayMonth) {
        return true;
    }
    attempt([&] {
        messages_.show({"Please Enter Correct Date !", MessageButtons::Ok, MessageIcon::Information,
                        kAppTitle});
    });
    return false;
}

void SettingsPanel::listPicked(ListId list) {
    if (!keyOf(list).empty()) {
        attempt([&] { storeDisplayTime(list); });
    }
}

void SettingsPanel::selectListIndex(ListId list, int index) {
    if (view_.listIndex(list) == index) {
        return;
    }
    view_.setListIndex(list, index);
    listPicked(list);
}

void SettingsPanel::storeDisplayTime(ListId list) {
    const int index = view_.listIndex(list);
    if (index < 0) {
        throw std::logic_error("no entry selected");
    }
    settings_.write(keyOf(list), view_.listItem(list, index));
}

void SettingsPanel::save() {
    settings_.write(settings::kAutorunStartUp,
                    flagText(view_.startupOption() == StartupOption::Run));
    settings_.write(settings::kSystemTray, flagText(view_.trayAtLogOn() != CheckState::Clear));
}

void SettingsPanel::load() {
    startupOptions_.setTrayAtLogOn(isTrueFlag(settings_.read(settings::kSystemTray, "False"))
                                       ? CheckState::Ticked
                                       : CheckState::Clear);
    const bool autorun = toBoolean(settings_.read(settings::kAutorunStartUp, "False"));
    startupOptions_.selectOption(autorun ? StartupOption::Run : StartupOption::DontRun);
    for (const ListId list : {ListId::Hour, ListId::Minute, ListId::Second}) {
        selectStoredEntry(list);
    }
}

void SettingsPanel::selectStoredEntry(ListId list) {
    selectListIndex(list, indexOfItem(view_, list, settings_.read(keyOf(list))));
}

void SettingsPanel::minimise() {
    view_.setWindowState(WindowState::Minimized);
}

void SettingsPanel::tipPanelToFront() {
    view_.bringPanelToFront(Panel::Tip);
}

}  // namespace corvallo
