#include "ui/FrmAbout.h"

#include "app/Skip.h"
#include "web/WebPages.h"

namespace corvallo {

std::string FrmAbout::homePageCaption() {
    return "Click here to visit " + std::string(modHelp::kPageBaseAddress);
}

void FrmAbout::cmdOK_Click() {
    skipOnFailure([&] { view_.close(); });
}

void FrmAbout::lblHomePage_Click() {
    skipOnFailure([&] { modHelp::OpenHomePage(browser_); });
}

void FrmAbout::Label5_Click() {
    skipOnFailure([&] { modHelp::OpenFullyBrandedPage(browser_); });
}

}  // namespace corvallo
