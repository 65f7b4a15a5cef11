#include "web/WebPages.h"

namespace corvallo::modHelp {

std::string pageAddress(std::string_view pageKey) {
    std::string address(kPageBaseAddress);
    address += "/corvallo/ssd.php?page=";
    address += pageKey;
    return address;
}

void OpenHomePage(Browser& browser) {
    browser.open(pageAddress("home-page"));
}
void OpenHelpPage(Browser& browser) {
    browser.open(pageAddress("help-web-page"));
}
void OpenDownloadPage(Browser& browser) {
    browser.open(pageAddress("download-web-page"));
}
void OpenDonatePage(Browser& browser) {
    browser.open(pageAddress("donate"));
}
void OpenFullyBrandedPage(Browser& browser) {
    browser.open(pageAddress("fully-branded"));
}
void OpenCoBrandPage(Browser& browser) {
    browser.open(pageAddress("co-brand"));
}

}  // namespace corvallo::modHelp
