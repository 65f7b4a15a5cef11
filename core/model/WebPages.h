#pragma once

#include <string>
#include <string_view>

#include "core/ports/Browser.h"

namespace corvallo {

// The program has no site of its own yet, so its pages live under a reserved
// example domain. Secure transport, so that a download page cannot be swapped
// on the way. The About window's link shows the same address.
inline constexpr std::string_view kPageBaseAddress = "https://www.corvallo.example";

// The maker's pages that the program links to.
enum class WebPage { Home, Help, Download, Donate, FullyBranded, CoBrand };

// The page's address: the site's page script with the page's key.
[[nodiscard]] std::string pageAddress(WebPage page);

// Hands the page's address to the user's browser.
void openPage(Browser& browser, WebPage page);

// The About window's home-page link text: the site the pages are opened on.
[[nodiscard]] std::string homePageCaption();

}  // namespace corvallo
