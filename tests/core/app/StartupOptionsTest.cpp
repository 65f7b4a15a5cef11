#include <gtest/gtest.h>

#include "core/fakes/Harness.h"

namespace corvallo {
namespace {

using fakes::Harness;

struct Started : Harness {
    Started() {
        storeLaterRun("4", 1);
        EXPECT_TRUE(start());
        messages.shown.clear();
    }
};

TEST(RunAtStartup, OptionButtonsWriteAndDeleteTheEntryAtOnce) {
    Started p;
    p.startupEntry.entries["Corvallo"] = "D:\\Elsewhere /STARTUP";
    p.main().startupOptionClicked(StartupOption::Run);
    // Rewritten with the present folder.
    EXPECT_EQ(p.startupEntry.entries.at("Corvallo"), "C:\\Program Files\\Corvallo /STARTUP");
    EXPECT_TRUE(p.mainView.trayAtLogOnEnabled());

    p.mainView.setTrayAtLogOn(CheckState::Ticked);
    p.main().startupOptionClicked(StartupOption::DontRun);
    EXPECT_FALSE(p.startupEntry.present("Corvallo"));
    EXPECT_FALSE(p.mainView.trayAtLogOnEnabled());
    EXPECT_EQ(p.mainView.trayAtLogOnState, CheckState::Clear);

    p.main().startupOptionClicked(StartupOption::DontRun);  // nothing to delete: no message
    EXPECT_TRUE(p.messages.shown.empty());
}

TEST(RunAtStartup, TheEntryIsNamedAfterTheExecutable) {
    Started p;
    p.process.name = "Tips";
    p.process.folder = "D:\\Tools";
    p.main().startupOptionClicked(StartupOption::Run);
    EXPECT_EQ(p.startupEntry.entries.at("Tips"), "D:\\Tools /STARTUP");
    EXPECT_FALSE(p.startupEntry.present("Corvallo"));
}

TEST(RunAtStartup, FailuresShowTheStatusAndTheCheckBoxStillChanges) {
    struct Case {
        const char* name;
        StartupEntryError error;
        StartupOption option;
        std::string message;
        bool trayAtLogOnEnabled;
    };
    using Stage = StartupEntryError::Stage;
    const Case cases[] = {
        {"key not writable, Run",
         {Stage::OpeningKey, 5, "Access is denied."},
         StartupOption::Run,
         "Error 5 opening key\r\nAccess is denied.",
         true},
        {"key not writable, Don't run",
         {Stage::OpeningKey, 5, "Access is denied."},
         StartupOption::DontRun,
         "Error 5 opening key\r\nAccess is denied.",
         false},
        {"value not writable",
         {Stage::SettingValue, 1013, ""},
         StartupOption::Run,
         "Error 1013 setting key\r\n",
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Started p;
        p.mainView.setTrayAtLogOnEnabled(c.option == StartupOption::DontRun);
        p.mainView.setTrayAtLogOn(c.option == StartupOption::DontRun ? CheckState::Ticked
                                                                     : CheckState::Clear);
        p.startupEntry.failWith = c.error;
        p.main().startupOptionClicked(c.option);
        ASSERT_EQ(p.messages.shown.size(), 1u);
        EXPECT_EQ(p.messages.shown[0].text, c.message);
        EXPECT_EQ(p.messages.shown[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(p.messages.shown[0].icon, MessageIcon::None);
        EXPECT_EQ(p.messages.shown[0].title, "Corvallo");
        EXPECT_EQ(p.mainView.trayAtLogOnEnabled(), c.trayAtLogOnEnabled);
        if (c.option == StartupOption::DontRun) {
            EXPECT_EQ(p.mainView.trayAtLogOnState, CheckState::Clear);
        }
    }
}

}  // namespace
}  // namespace corvallo
