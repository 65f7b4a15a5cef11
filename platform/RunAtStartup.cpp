#include <string>

#include "app/AppTitle.h"
#include "app/Skip.h"
#include "app/StartupSwitch.h"
#include "ui/FrmMain.h"

namespace corvallo {

void FrmMain::SetRunAtStartup(const std::string& appName, const std::string& appPath,
                              bool runAtStartup) {
    try {
        if (runAtStartup) {
            ports_.startupEntry.write(appName, appPath, std::string(kStartupSwitch));
        } else {
            ports_.startupEntry.remove(appName);
        }
    } catch (const StartupEntryError& error) {
        const char* what =
            error.stage() == StartupEntryError::Stage::OpeningKey ? " opening key" : " setting key";
        ports_.messages.show(
            "Error " + std::to_string(error.status()) + what + "\r\n" + error.description(),
            mb::kOkOnly, kAppTitle);
    } catch (const PlatformError& error) {
        ports_.messages.show(std::to_string(error.status()) + " " + error.description(),
                             mb::kOkOnly, kAppTitle);
    }
}

bool FrmMain::IsRunAtStartup(const std::string& appName) const {
    return ports_.startupEntry.present(appName);
}

void FrmMain::optRun_Click() {
    skipOnFailure(
        [&] { SetRunAtStartup(ports_.process.appName(), ports_.process.exeFolder(), true); });
    skipOnFailure([&] { view().setSysTrayEnabled(true); });
}

void FrmMain::optDontRun_Click() {
    skipOnFailure(
        [&] { SetRunAtStartup(ports_.process.appName(), ports_.process.exeFolder(), false); });
    skipOnFailure([&] { view().setSysTrayEnabled(false); });
    skipOnFailure([&] { setSysTrayValue(0); });
}

}  // namespace corvallo
