#include "core/model/WebPages.h"

#include <gtest/gtest.h>

#include "core/app/AboutPresenter.h"
#include "core/fakes/Harness.h"

namespace corvallo {
namespace {

using fakes::Harness;

// Each control reaches its page through the routing table, as a click does.
TEST(WebPages, EveryLinkOpensItsPageOncePerClick) {
    struct Case {
        const char* control;
        const char* pageKey;
    };
    const Case cases[] = {
        {"Label61", "home-page"},          {"mnuVisit", "home-page"},
        {"mnuOnline", "help-web-page"},    {"mnuUpdate", "download-web-page"},
        {"mnuDonate", "donate"},           {"lblFullBrand", "fully-branded"},
        {"mnuMakeMoney", "fully-branded"}, {"lblCobrand", "co-brand"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        Harness h;
        ASSERT_TRUE(h.start());
        const auto action = routeOf(kMainRoutes, c.control);
        ASSERT_TRUE(action.has_value());
        h.main().perform(*action);
        h.main().perform(*action);
        const std::string address =
            std::string("https://www.corvallo.example/corvallo/ssd.php?page=") + c.pageKey;
        EXPECT_EQ(h.browser.opened, (std::vector<std::string>{address, address}));
    }
}

TEST(WebPages, AFailingBrowserLeavesNoTrace) {
    Harness h;
    ASSERT_TRUE(h.start());
    h.browser.fail = true;
    h.store.writes.clear();
    h.main().perform(MainAction::OpenDonatePage);
    EXPECT_TRUE(h.messages.shown.empty());
    EXPECT_TRUE(h.store.writes.empty());
}

TEST(About, LinksOpenPagesAndOkCloses) {
    Harness h;
    ASSERT_TRUE(h.start());
    using Click = fakes::FakeAboutView::Click;
    h.aboutView.clicks = {Click::HomePage, Click::MoreDetails, Click::HomePage, Click::Ok};
    h.main().perform(MainAction::ShowAbout);
    EXPECT_FALSE(h.aboutView.open);
    EXPECT_EQ(h.browser.opened, (std::vector<std::string>{pageAddress(WebPage::Home),
                                                          pageAddress(WebPage::FullyBranded),
                                                          pageAddress(WebPage::Home)}));
    h.main().perform(MainAction::ShowAbout);
    EXPECT_EQ(h.aboutView.opened, 2);
    // The link shows the site that the pages are opened on.
    EXPECT_EQ(homePageCaption(), "Click here to visit https://www.corvallo.example");
}

}  // namespace
}  // namespace corvallo
