#include <gtest/gtest.h>

#include "fakes/Harness.h"

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
    p.form().optionClickedByUser(OptionId::Run);
    // Rewritten with the present folder.
    EXPECT_EQ(p.startupEntry.entries.at("Corvallo"), "C:\\Program Files\\Corvallo /STARTUP");
    EXPECT_TRUE(p.mainView.sysTrayEnabled());

    p.mainView.setSysTrayValue(1);
    p.form().optionClickedByUser(OptionId::DontRun);
    EXPECT_FALSE(p.startupEntry.present("Corvallo"));
    EXPECT_FALSE(p.mainView.sysTrayEnabled());
    EXPECT_EQ(p.mainView.sysTray, 0);

    p.form().optionClickedByUser(OptionId::DontRun);  // nothing to delete: no message
    EXPECT_TRUE(p.messages.shown.empty());
}

TEST(RunAtStartup, TheEntryIsNamedAfterTheExecutable) {
    Started p;
    p.process.name = "Tips";
    p.process.folder = "D:\\Tools";
    p.form().optionClickedByUser(OptionId::Run);
    EXPECT_EQ(p.startupEntry.entries.at("Tips"), "D:\\Tools /STARTUP");
    EXPECT_FALSE(p.startupEntry.present("Corvallo"));
}

TEST(RunAtStartup, FailuresShowTheStatusAndTheCheckBoxStillChanges) {
    struct Case {
        const char* name;
        StartupEntryError error;
        OptionId option;
        std::string message;
        bool sysTrayEnabled;
    };
    using Stage = StartupEntryError::Stage;
    const Case cases[] = {
        {"key not writable, Run",
         {Stage::OpeningKey, 5, "Access is denied."},
         OptionId::Run,
         "Error 5 opening key\r\nAccess is denied.",
         true},
        {"key not writable, Don't run",
         {Stage::OpeningKey, 5, "Access is denied."},
         OptionId::DontRun,
         "Error 5 opening key\r\nAccess is denied.",
         false},
        {"value not writable",
         {Stage::SettingValue, 1013, ""},
         OptionId::Run,
         "Error 1013 setting key\r\n",
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Started p;
        p.mainView.setSysTrayEnabled(c.option == OptionId::DontRun);
        p.mainView.setSysTrayValue(c.option == OptionId::DontRun ? 1 : 0);
        p.startupEntry.failWith = c.error;
        p.form().optionClickedByUser(c.option);
        ASSERT_EQ(p.messages.shown.size(), 1u);
        EXPECT_EQ(p.messages.shown[0].text, c.message);
        EXPECT_EQ(p.messages.shown[0].style, 0);
        EXPECT_EQ(p.messages.shown[0].title, "Corvallo");
        EXPECT_EQ(p.mainView.sysTrayEnabled(), c.sysTrayEnabled);
        if (c.option == OptionId::DontRun) {
            EXPECT_EQ(p.mainView.sysTray, 0);
        }
    }
}

}  // namespace
}  // namespace corvallo
