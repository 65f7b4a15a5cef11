#include <string>

#include "app/Skip.h"
#include "app/StartupSwitch.h"
#include "settings/PanelSettings.h"
#include "settings/TextConversions.h"
#include "tips/ShowRandomTip.h"
#include "tips/TipDue.h"
#include "ui/FrmMain.h"
#include "web/UpdateReminder.h"

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

FrmMain::FrmMain(const Ports& ports, const Views& views, std::function<void()> onUnloaded)
    : ports_(ports),
      views_(views),
      settings_(ports.store, ports.dateText),
      frmDisplay_(views.iconStore),
      schedule_(*this),
      onUnloaded_(std::move(onUnloaded)) {}

void FrmMain::Form_Load() {
    skipOnFailure([&] { modHelp::CheckUpdateReminder(ports_); });

    // The start-up options as the start-up entry has them.
    skipOnFailure([&] {
        if (IsRunAtStartup(ports_.process.appName())) {
            selectOption(OptionId::Run);
            setSysTrayValue(isTrueFlag(settings_.read("RunAtSysTray", "False")) ? 1 : 0);
        } else {
            selectOption(OptionId::DontRun);
        }
    });

    // A start from the log-on entry goes straight to the notification area
    // when the user asked for that.
    skipOnFailure([&] {
        if (view().sysTrayValue() == 1 && hasStartupSwitch(ports_.process.commandLine())) {
            MinimizeToTray();
            startedInTray_ = true;
        }
    });

    skipOnFailure([&] { view().fillList(ListId::Date, numbers(1, 31)); });
    skipOnFailure([&] { view().fillList(ListId::Month, monthNames()); });
    skipOnFailure([&] { view().fillList(ListId::Year, numbers(1901, 2050)); });
    skipOnFailure([&] { view().fillList(ListId::Hour, numbers(0, 23)); });
    skipOnFailure([&] { view().fillList(ListId::Minute, numbers(0, 59)); });
    skipOnFailure([&] { view().fillList(ListId::Second, numbers(0, 59)); });
    skipOnFailure([&] { selectListIndex(ListId::Date, 0); });
    skipOnFailure([&] { selectListIndex(ListId::Month, 0); });
    skipOnFailure([&] { selectListIndex(ListId::Year, 0); });

    showTipOfTheDay();

    skipOnFailure([&] { modMoonPhase::LoadSettings(*this); });
}

// The first run stores the defaults and shows the settings panel; a later run
// brings a new tip when one is due and otherwise shows the stored one again.
void FrmMain::showTipOfTheDay() {
    std::string hour;
    skipOnFailure([&] { hour = settings_.read("Hour"); });
    const auto today = ports_.clock.now().date;

    if (hour.empty()) {
        skipOnFailure([&] { selectListIndex(ListId::Hour, 0); });
        skipOnFailure([&] { selectListIndex(ListId::Minute, 0); });
        skipOnFailure([&] { selectListIndex(ListId::Second, 0); });
        skipOnFailure([&] { settings_.writeDate("Date", today); });
        skipOnFailure([&] { settings_.write("Hour", "7"); });
        skipOnFailure([&] { settings_.write("Minute", "0"); });
        skipOnFailure([&] { settings_.write("Second", "0"); });
        skipOnFailure([&] { settings_.write("Card", "1"); });
        skipOnFailure([&] { modMoonPhase::ShowRandomTip(*this); });
        skipOnFailure([&] { view().bringPanelToFront(Panel::Settings); });
        return;
    }

    std::int16_t index = 0;
    skipOnFailure([&] { index = toInt16(settings_.read("Card")); });
    skipOnFailure([&] { modMoonPhase::ShowRandomTip(*this); });
    const bool due = newTipDue(settings_, today);
    if (due) {
        skipOnFailure([&] { settings_.writeDate("Date", nextDay(today)); });
        skipOnFailure([&] { index = modMoonPhase::tipIndexFromDraw(ports_.random.next()); });
    }
    ShowTip(index);
    skipOnFailure([&] { view().bringPanelToFront(Panel::Tip); });
}

}  // namespace corvallo
