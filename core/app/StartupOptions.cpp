#include "core/app/StartupOptions.h"

#include <string>

#include "core/app/Steps.h"
#include "core/model/ProgramName.h"
#include "core/model/SettingsKeys.h"
#include "core/model/StartupSwitch.h"
#include "core/model/TextConversions.h"

namespace corvallo {

void StartupOptions::optionClicked(StartupOption option) {
    view_.setStartupOption(option);
    option == StartupOption::Run ? runAtStartupChosen() : dontRunChosen();
}

void StartupOptions::trayAtLogOnClicked() {
    attempt([&] {
        settings_.write(settings::kRunAtSysTray,
                        flagText(view_.trayAtLogOn() != CheckState::Clear));
    });
}

void StartupOptions::selectOption(StartupOption option) {
    if (view_.startupOption() == option) {
        return;
    }
    optionClicked(option);
}

void StartupOptions::setTrayAtLogOn(CheckState state) {
    if (view_.trayAtLogOn() == state) {
        return;
    }
    view_.setTrayAtLogOn(state);
    trayAtLogOnClicked();
}

bool StartupOptions::startsAtLogOn() const {
    return entry_.present(process_.appName());
}

void StartupOptions::runAtStartupChosen() {
    attempt([&] { writeStartupEntry(process_.appName(), process_.exeFolder(), true); });
    attempt([&] { view_.setTrayAtLogOnEnabled(true); });
}

void StartupOptions::dontRunChosen() {
    attempt([&] { writeStartupEntry(process_.appName(), process_.exeFolder(), false); });
    attempt([&] { view_.setTrayAtLogOnEnabled(false); });
    attempt([&] { setTrayAtLogOn(CheckState::Clear); });
}

void StartupOptions::writeStartupEntry(const std::string& appName, const std::string& folder,
                                       bool runAtStartup) {
    try {
        if (runAtStartup) {
            entry_.write(appName, folder, std::string(kStartupSwitch));
        } else {
            entry_.remove(appName);
        }
    } catch (const StartupEntryError& error) {
        const char* what =
            error.stage() == StartupEntryError::Stage::OpeningKey ? " opening key" : " setting key";
        messages_.show(
            {"Error " + std::to_string(error.status()) + what + "\r\n" + error.description(),
             MessageButtons::Ok, MessageIcon::None, kAppTitle});
    } catch (const PlatformError& error) {
        messages_.show({std::to_string(error.status()) + " " + error.description(),
                        MessageButtons::Ok, MessageIcon::None, kAppTitle});
    }
}

}  // namespace corvallo
