#include "win32/RegistryStartupEntry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ThrowAwayKey.h"
#include "win32/Utf16.h"

namespace corvallo {
namespace {

using test::ThrowAwayKey;

class RegistryStartupEntryTest : public ::testing::Test {
  protected:
    ThrowAwayKey root_;
    std::wstring runPath_ = root_.path() + L"\\Run";
    RegistryStartupEntry entry_{win32::toUtf8(runPath_)};
};

TEST_F(RegistryStartupEntryTest, WritesTheQuotedExePathAndArgumentsAsUtf16RegSz) {
    struct Case {
        std::string name;
        std::string folder;
        std::string arguments;
        std::wstring data;
    };
    const std::vector<Case> cases = {
        {"Corvallo", "C:\\Program Files\\Корвалло", "/STARTUP",
         L"\"C:\\Program Files\\Корвалло\\Corvallo.exe\" /STARTUP"},
        {"Corvallo", "C:\\Users\\Zoë\\東京", "/STARTUP",
         L"\"C:\\Users\\Zoë\\東京\\Corvallo.exe\" /STARTUP"},
        {"tips", "D:\\Tools", "/STARTUP -x", L"\"D:\\Tools\\tips.exe\" /STARTUP -x"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder);
        entry_.write(c.name, c.folder, c.arguments);
        EXPECT_TRUE(entry_.present(c.name));
        const auto raw = test::readRawValue(runPath_, win32::toUtf16(c.name));
        ASSERT_TRUE(raw.has_value());
        EXPECT_EQ(raw->type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(raw->data, test::stringBytes(c.data));
    }
}

TEST_F(RegistryStartupEntryTest, RewriteReplacesAnEntryOfAnotherFolder) {
    entry_.write("Corvallo", "C:\\Old Folder", "/STARTUP");
    entry_.write("Corvallo", "C:\\Program Files\\Корвалло", "/STARTUP");
    const auto raw = test::readRawValue(runPath_, L"Corvallo");
    ASSERT_TRUE(raw.has_value());
    EXPECT_EQ(raw->data,
              test::stringBytes(L"\"C:\\Program Files\\Корвалло\\Corvallo.exe\" /STARTUP"));
}

TEST_F(RegistryStartupEntryTest, WriteCreatesAMissingRunKey) {
    ASSERT_FALSE(test::keyExists(runPath_));
    entry_.write("Corvallo", "C:", "/STARTUP");
    EXPECT_TRUE(test::keyExists(runPath_));
}

TEST_F(RegistryStartupEntryTest, PresentOnlyForThatName) {
    EXPECT_FALSE(entry_.present("Corvallo"));  // the Run key does not even exist
    entry_.write("Other", "C:", "/STARTUP");
    EXPECT_FALSE(entry_.present("Corvallo"));
    EXPECT_TRUE(entry_.present("Other"));
    EXPECT_TRUE(entry_.present("other"));  // value names ignore case
}

TEST_F(RegistryStartupEntryTest, EntryOfAnyTypeCountsAsPresent) {
    struct Case {
        const char* label;
        DWORD type;
        std::vector<BYTE> data;
    };
    const std::vector<Case> cases = {
        {"REG_DWORD", REG_DWORD, {1, 0, 0, 0}},
        {"REG_BINARY", REG_BINARY, {0xde, 0xad}},
        {"empty REG_BINARY", REG_BINARY, {}},
        {"REG_EXPAND_SZ", REG_EXPAND_SZ, test::stringBytes(L"%ProgramFiles%\\Corvallo.exe")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        test::writeRawValue(runPath_, L"Corvallo", c.type, c.data);
        EXPECT_TRUE(entry_.present("Corvallo"));
        RegDeleteKeyValueW(HKEY_CURRENT_USER, runPath_.c_str(), L"Corvallo");
        EXPECT_FALSE(entry_.present("Corvallo"));
    }
}

TEST_F(RegistryStartupEntryTest, RemoveDeletesTheEntryAndOnlyIt) {
    entry_.write("Corvallo", "C:", "/STARTUP");
    entry_.write("Other", "C:", "/STARTUP");
    entry_.remove("Corvallo");
    EXPECT_FALSE(entry_.present("Corvallo"));
    EXPECT_FALSE(test::readRawValue(runPath_, L"Corvallo").has_value());
    EXPECT_TRUE(entry_.present("Other"));
}

TEST_F(RegistryStartupEntryTest, RemovingAnAbsentEntryIsNoError) {
    EXPECT_NO_THROW(entry_.remove("Corvallo"));  // no Run key at all
    entry_.write("Other", "C:", "/STARTUP");
    EXPECT_NO_THROW(entry_.remove("Corvallo"));  // Run key, no such value
    EXPECT_TRUE(entry_.present("Other"));
}

TEST_F(RegistryStartupEntryTest, DefaultIsTheUsersRunKey) {
    // Written and removed with a name no one else uses, in the test prefix.
    const std::string name = "CorvalloTest" + win32::toUtf8(test::randomName());
    RegistryStartupEntry entry;
    entry.write(name, "C:", "/STARTUP");
    const auto raw = test::readRawValue(L"Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                                        win32::toUtf16(name));
    entry.remove(name);
    ASSERT_TRUE(raw.has_value());
    EXPECT_EQ(raw->data, test::stringBytes(L"\"C:\\" + win32::toUtf16(name) + L".exe\" /STARTUP"));
    EXPECT_FALSE(entry.present(name));
}

// The failures below are real ones: below a volatile key no ordinary key can
// be created (ERROR_CHILD_MUST_BE_VOLATILE), and a value name may have at
// most 16383 characters. Access rights are not used, as Wine ignores them.
TEST_F(RegistryStartupEntryTest, UnopenableRunKeyFailsAtOpeningKey) {
    const std::wstring volatileKey = root_.path() + L"\\Volatile";
    test::createVolatileKey(volatileKey);
    RegistryStartupEntry entry(win32::toUtf8(volatileKey + L"\\Run"));

    struct Case {
        const char* label;
        void (*call)(RegistryStartupEntry&);
    };
    const std::vector<Case> cases = {
        {"write", [](RegistryStartupEntry& e) { e.write("Corvallo", "C:", "/STARTUP"); }},
        {"remove", [](RegistryStartupEntry& e) { e.remove("Corvallo"); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        try {
            c.call(entry);
            ADD_FAILURE() << "no exception";
        } catch (const StartupEntryError& error) {
            EXPECT_EQ(error.stage(), StartupEntryError::Stage::OpeningKey);
            EXPECT_EQ(error.status(), ERROR_CHILD_MUST_BE_VOLATILE);
            EXPECT_FALSE(error.description().empty());
        }
    }
    EXPECT_FALSE(entry.present("Corvallo"));
}

TEST_F(RegistryStartupEntryTest, RejectedValueFailsAtSettingValue) {
    const std::string tooLongName(16384, 'n');
    try {
        entry_.write(tooLongName, "C:", "/STARTUP");
        FAIL() << "no exception";
    } catch (const StartupEntryError& error) {
        EXPECT_EQ(error.stage(), StartupEntryError::Stage::SettingValue);
        EXPECT_NE(error.status(), ERROR_SUCCESS);
    }
    // The key was opened (and created) before the value failed.
    EXPECT_TRUE(test::keyExists(runPath_));
}

}  // namespace
}  // namespace corvallo
