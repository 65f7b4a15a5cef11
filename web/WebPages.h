#pragma once

#include <string>
#include <string_view>

#include "platform/Browser.h"

namespace corvallo::modHelp {

// The program has no site of its own yet, so its pages live under a reserved
// example domain. Secure transport, so that a download page cannot be swapped
// on the way. The About window's link shows the same address.
inline constexpr std::string_view kPageBaseAddress = "https://www.corvallo.example";

// The address of the page with this key ("home-page", "donate", ...).
[[nodiscard]] std::string pageAddress(std::string_view pageKey);

void OpenHomePage(Browser& browser);
void OpenHelpPage(Browser& browser);
void OpenDownloadPage(Browser& browser);
void OpenDonatePage(Browser& browser);
void OpenFullyBrandedPage(Browser& browser);
void OpenCoBrandPage(Browser& browser);

}  // namespace corvallo::modHelp
