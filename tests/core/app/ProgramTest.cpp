#include "core/app/Program.h"

#include <gtest/gtest.h>

#include "core/fakes/Harness.h"
#include "core/model/SeededRandom.h"

namespace corvallo {
namespace {

using fakes::Harness;

TEST(Program, SecondCopyIsRefusedAndTouchesNothing) {
    Harness h;
    h.process.otherCopyRunning = true;
    h.store.values = {{"Hour", "7"}};
    EXPECT_FALSE(h.start());
    ASSERT_EQ(h.messages.shown.size(), 1u);
    EXPECT_EQ(h.messages.shown[0].text, "Application is already running");
    EXPECT_EQ(h.messages.shown[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(h.messages.shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(h.messages.shown[0].title, "Corvallo");
    EXPECT_EQ(h.process.exits, 1);
    EXPECT_TRUE(h.store.writes.empty());
    EXPECT_FALSE(h.mainView.visible);
    EXPECT_EQ(h.random.seedCalls, 0);
}

TEST(Program, SeedsOnceAndDrawsThePromotionLabelLast) {
    struct Case {
        double draw;
        Promotion label;
    };
    // k = floor(6r) + 1: odd k puts the co-brand label in front.
    const Case cases[] = {{0.0, Promotion::Cobrand},     {1.0 / 6, Promotion::FullBrand},
                          {2.0 / 6, Promotion::Cobrand}, {0.5, Promotion::FullBrand},
                          {4.0 / 6, Promotion::Cobrand}, {0.999999, Promotion::FullBrand}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.draw);
        Harness h;
        h.storeLaterRun("4", 1);
        h.random.draws = {0.0, c.draw};  // the tip on show, then the label
        h.mainView.promotion =
            c.label == Promotion::Cobrand ? Promotion::FullBrand : Promotion::Cobrand;
        ASSERT_TRUE(h.start());
        EXPECT_EQ(h.random.seedCalls, 1);
        EXPECT_EQ(h.mainView.promotion, c.label);
        EXPECT_TRUE(h.random.draws.empty());
    }
}

TEST(Program, SeedDependsOnTheClock) {
    Harness a;
    Harness b;
    b.clock.advance(std::chrono::milliseconds(1));
    ASSERT_TRUE(a.start());
    ASSERT_TRUE(b.start());
    EXPECT_NE(a.random.seeded, b.random.seeded);
}

TEST(Program, EndClosesTheAboutWindowAndIconStore) {
    Harness h;
    ASSERT_TRUE(h.start());
    h.main().trayGesture(TrayGesture::Activate);  // loads the icon store
    h.aboutView.open = true;
    h.main().perform(MainAction::Quit);
    EXPECT_FALSE(h.aboutView.open);
    EXPECT_FALSE(h.iconStore.open);
    EXPECT_EQ(h.process.exits, 1);
}

TEST(SeededRandom, StaysBelowOneAndRepeatsForTheSameSeed) {
    SeededRandom a;
    SeededRandom b;
    a.seed(42);
    b.seed(42);
    double smallest = 1;
    double largest = 0;
    for (int i = 0; i < 100000; ++i) {
        const double r = a.next();
        ASSERT_EQ(r, b.next());
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        smallest = std::min(smallest, r);
        largest = std::max(largest, r);
    }
    EXPECT_LT(smallest, 0.001);
    EXPECT_GT(largest, 0.999);
}

}  // namespace
}  // namespace corvallo
