#include <cmath>

#include "app/Skip.h"
#include "ui/FrmAbout.h"
#include "ui/FrmMain.h"
#include "web/WebPages.h"

namespace corvallo {

void FrmMain::mnuSettings_Click() {
    skipOnFailure([&] { view().bringPanelToFront(Panel::Settings); });
}

// One of the two promotion labels, chosen once per run, each half the time.
void FrmMain::CoBrand_Randomize() {
    skipOnFailure([&] {
        const int k = static_cast<int>(std::floor(6 * ports_.random.next())) + 1;
        view().bringPromotionToFront(k % 2 == 1 ? Promotion::Cobrand : Promotion::FullBrand);
    });
}

void FrmMain::mnuAbout_Click() {
    skipOnFailure([&] {
        FrmAbout about(ports_.browser, views_.about);
        views_.about.showModal(about);
    });
}

void FrmMain::Label61_Click() {
    skipOnFailure([&] { modHelp::OpenHomePage(ports_.browser); });
}
void FrmMain::lblCobrand_Click() {
    skipOnFailure([&] { modHelp::OpenCoBrandPage(ports_.browser); });
}
void FrmMain::lblFullBrand_Click() {
    skipOnFailure([&] { modHelp::OpenFullyBrandedPage(ports_.browser); });
}
void FrmMain::mnuOnline_Click() {
    skipOnFailure([&] { modHelp::OpenHelpPage(ports_.browser); });
}
void FrmMain::mnuVisit_Click() {
    skipOnFailure([&] { modHelp::OpenHomePage(ports_.browser); });
}
void FrmMain::mnuUpdate_Click() {
    skipOnFailure([&] { modHelp::OpenDownloadPage(ports_.browser); });
}
void FrmMain::mnuDonate_Click() {
    skipOnFailure([&] { modHelp::OpenDonatePage(ports_.browser); });
}
void FrmMain::mnuMakeMoney_Click() {
    skipOnFailure([&] { modHelp::OpenFullyBrandedPage(ports_.browser); });
}

}  // namespace corvallo
