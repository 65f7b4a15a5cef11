#include "core/model/WebPages.h"

namespace corvallo {
namespace {

// The key the site's page script knows each page by.
std::string_view pageKey(WebPage page) {
    switch (page) {
        case WebPage::Home:
            return "home-page";
        case WebPage::Help:
            return "help-web-page";
        case WebPage::Download:
            return "download-web-page";
        case WebPage::Donate:
            return "donate";
        case WebPage::FullyBranded:
            return "fully-branded";
        case WebPage::CoBrand:
            return "co-brand";
    }
    return "home-page";
}

}  // namespace

std::string pageAddress(WebPage page) {
    std::string address(kPageBaseAddress);
    address += "/corvallo/ssd.php?page=";
    address += pageKey(page);
    return address;
}

void openPage(Browser& browser, WebPage page) {
    browser.open(pageAddress(page));
}

std::string homePageCaption() {
    return "Click here to visit " + std::string(kPageBaseAddress);
}

}  // namespace corvallo
