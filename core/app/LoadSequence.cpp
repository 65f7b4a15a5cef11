#include "core/app/LoadSequence.h"

#include <string>
#include <vector>

#include "core/app/Steps.h"
#include "core/model/SettingsKeys.h"
#include "core/model/StartupSwitch.h"
#include "core/model/TextConversions.h"
#include "core/model/TipDue.h"
#include "core/model/UpdateReminder.h"

namespace corvallo {
namespace {

std::vector<std::string> numbers(int first, int last) {
    std::vector<std::string> items;
    for (int n = first; n <= last; ++n) {
        items.push_back(std::to_string(n));
    }
    return items;
}

const std::vector<std::string>& monthNames() {
    static const std::vector<std::string> names{"January",   "February", "March",    "April",
                                                "May",       "June",     "July",     "August",
                                                "September", "October",  "November", "December"};
    return names;
}

}  // namespace

void LoadSequence::run() {
    auto& trace = ports_.trace;
    attemptEach(*this, &LoadSequence::remindAboutUpdate);
    trace.reached("update reminder");
    attemptEach(*this, &LoadSequence::showStartupOptions, &LoadSequence::goToTrayIfStartedAtLogOn);
    trace.reached("start-up options");
    fillLists();
    selectFirstDate();
    trace.reached("lists filled");
    showTipOfTheDay();
    trace.reached("tip of the day");
    attemptEach(*this, &LoadSequence::loadSettings);
    trace.reached("settings loaded");
}

void LoadSequence::remindAboutUpdate() {
    UpdateReminder(ports_.store, ports_.clock, ports_.dateText, ports_.codePage, ports_.messages,
                   ports_.browser)
        .remindIfDue();
}

// The start-up options as the log-on entry has them.
void LoadSequence::showStartupOptions() {
    if (startupOptions_.startsAtLogOn()) {
        startupOptions_.selectOption(StartupOption::Run);
        startupOptions_.setTrayAtLogOn(isTrueFlag(settings_.read(settings::kRunAtSysTray, "False"))
                                           ? CheckState::Ticked
                                           : CheckState::Clear);
    } else {
        startupOptions_.selectOption(StartupOption::DontRun);
    }
}

// A start from the log-on entry goes straight to the notification area when
// the user asked for that.
void LoadSequence::goToTrayIfStartedAtLogOn() {
    if (view_.trayAtLogOn() == CheckState::Ticked &&
        hasStartupSwitch(ports_.process.commandLine())) {
        tray_.hideToTray();
        startedInTray_ = true;
    }
}

void LoadSequence::fillLists() {
    const std::pair<ListId, std::vector<std::string>> lists[] = {
        {ListId::Date, numbers(1, 31)},      {ListId::Month, monthNames()},
        {ListId::Year, numbers(1901, 2050)}, {ListId::Hour, numbers(0, 23)},
        {ListId::Minute, numbers(0, 59)},    {ListId::Second, numbers(0, 59)},
    };
    for (const auto& list : lists) {
        attempt([&] { view_.fillList(list.first, list.second); });
    }
}

void LoadSequence::selectFirstDate() {
    for (const ListId list : {ListId::Date, ListId::Month, ListId::Year}) {
        attempt([&] { settingsPanel_.selectListIndex(list, 0); });
    }
}

void LoadSequence::showTipOfTheDay() {
    std::string hour;
    attempt([&] { hour = settings_.read(settings::kHour); });
    if (hour.empty()) {
        storeDefaultsAndShowSettings();
    } else {
        showStoredOrNewTip();
    }
}

void LoadSequence::storeDefaultsAndShowSettings() {
    for (const ListId list : {ListId::Hour, ListId::Minute, ListId::Second}) {
        attempt([&] { settingsPanel_.selectListIndex(list, 0); });
    }
    const auto today = ports_.clock.now().date;
    attempt([&] { settings_.writeDate(settings::kDate, today); });
    const std::pair<std::string_view, const char*> defaults[] = {{settings::kHour, "7"},
                                                                 {settings::kMinute, "0"},
                                                                 {settings::kSecond, "0"},
                                                                 {settings::kCard, "1"}};
    for (const auto& setting : defaults) {
        attempt([&] { settings_.write(setting.first, setting.second); });
    }
    attempt([&] { tips_.showRandomTip(); });
    attempt([&] { view_.bringPanelToFront(Panel::Settings); });
}

void LoadSequence::showStoredOrNewTip() {
    const auto today = ports_.clock.now().date;
    std::int16_t index = 0;
    attempt([&] { index = toInt16(settings_.read(settings::kCard)); });
    attempt([&] { tips_.showRandomTip(); });
    bool due = true;
    attempt([&] { due = newTipDue(settings_, today); });
    if (due) {
        attempt([&] { settings_.writeDate(settings::kDate, nextDay(today)); });
        attempt([&] { index = tips_.drawTip(); });
    }
    tips_.showTip(index);
    attempt([&] { view_.bringPanelToFront(Panel::Tip); });
}

void LoadSequence::loadSettings() {
    settingsPanel_.load();
}

}  // namespace corvallo
