#include "win32/RegistrySettingsStore.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ThrowAwayKey.h"
#include "core/ports/PlatformError.h"
#include "win32/Utf16.h"

namespace corvallo {
namespace {

using test::ThrowAwayKey;

class RegistrySettingsStoreTest : public ::testing::Test {
  protected:
    ThrowAwayKey root_;
    RegistrySettingsStore store_{"Corvallo", root_.utf8Path()};
    // Where the store keeps its values.
    std::wstring settingsPath_ =
        root_.path() + L"\\Corvallo\\" + win32::toUtf16(settings::kSection);
};

TEST_F(RegistrySettingsStoreTest, ValuesRoundTripAsRegSz) {
    struct Case {
        const char* key;
        const char* value;
    };
    const std::vector<Case> cases = {
        {"Interval", "1"},       {"City", "Zürich 東京"},
        {"Empty", ""},           {"Spaces", "  leading and trailing  "},
        {"Schlüssel", "Wert ✓"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        store_.write(c.key, c.value);
        EXPECT_EQ(store_.read(c.key), std::optional<std::string>(c.value));
        // Stored as UTF-16 text of type REG_SZ, readable by any other program.
        const auto raw = test::readRawValue(settingsPath_, win32::toUtf16(c.key));
        ASSERT_TRUE(raw.has_value());
        EXPECT_EQ(raw->type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(raw->data, test::stringBytes(win32::toUtf16(c.value)));
    }
}

TEST_F(RegistrySettingsStoreTest, WriteReplacesTheEarlierValue) {
    store_.write("Tip", "first");
    store_.write("Tip", "second");
    EXPECT_EQ(store_.read("Tip"), std::optional<std::string>("second"));
}

TEST_F(RegistrySettingsStoreTest, ValueWrittenElsewhereIsSeenAtOnce) {
    store_.write("Tip", "mine");
    test::writeRawValue(settingsPath_, L"Tip", REG_SZ, test::stringBytes(L"theirs"));
    EXPECT_EQ(store_.read("Tip"), std::optional<std::string>("theirs"));
}

// The store keeps what it read until the registry reports a change to the
// key; every change another program makes after a read is seen by the next.
TEST_F(RegistrySettingsStoreTest, ChangesElsewhereAfterAReadAreSeenByTheNext) {
    const auto deleteValue = [&] {
        ASSERT_EQ(RegDeleteKeyValueW(HKEY_CURRENT_USER, settingsPath_.c_str(), L"Hour"),
                  ERROR_SUCCESS);
    };
    const auto deleteKey = [&] {
        ASSERT_EQ(RegDeleteTreeW(HKEY_CURRENT_USER, settingsPath_.c_str()), ERROR_SUCCESS);
    };
    struct Case {
        const char* how;
        std::function<void()> change;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {"value replaced",
         [&] { test::writeRawValue(settingsPath_, L"Hour", REG_SZ, test::stringBytes(L"9")); },
         "9"},
        {"other value added, this one replaced",
         [&] {
             test::writeRawValue(settingsPath_, L"Minute", REG_SZ, test::stringBytes(L"5"));
             test::writeRawValue(settingsPath_, L"Hour", REG_SZ, test::stringBytes(L"9"));
         },
         "9"},
        {"value deleted", deleteValue, std::nullopt},
        {"key deleted", deleteKey, std::nullopt},
        {"key deleted and made anew",
         [&] {
             deleteKey();
             test::writeRawValue(settingsPath_, L"Hour", REG_SZ, test::stringBytes(L"9"));
         },
         "9"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        store_.write("Hour", "7");
        ASSERT_EQ(store_.read("Hour"), std::optional<std::string>("7"));
        ASSERT_EQ(store_.read("Hour"), std::optional<std::string>("7"));
        c.change();
        EXPECT_EQ(store_.read("Hour"), c.expected);
        EXPECT_EQ(store_.read("Hour"), c.expected);
    }
}

TEST_F(RegistrySettingsStoreTest, KeysAreCaseInsensitive) {
    store_.write("LastDate", "x");
    EXPECT_EQ(store_.read("lastdate"), std::optional<std::string>("x"));
}

TEST_F(RegistrySettingsStoreTest, MissingKeyOrValueReadsAsAbsentWithoutCreatingAnything) {
    EXPECT_EQ(store_.read("Nothing"), std::nullopt);
    EXPECT_FALSE(test::keyExists(root_.path() + L"\\Corvallo"));

    store_.write("Something", "1");
    EXPECT_EQ(store_.read("Nothing"), std::nullopt);
}

TEST_F(RegistrySettingsStoreTest, ValuesOfOtherTypesReadAsAbsent) {
    struct Case {
        const char* label;
        DWORD type;
        std::vector<BYTE> data;
    };
    const std::vector<Case> cases = {
        {"REG_DWORD", REG_DWORD, {1, 0, 0, 0}},
        {"REG_QWORD", REG_QWORD, {1, 0, 0, 0, 0, 0, 0, 0}},
        {"REG_BINARY", REG_BINARY, {'4', 0, '2', 0, 0, 0}},
        {"REG_EXPAND_SZ", REG_EXPAND_SZ, test::stringBytes(L"%TEMP%")},
        {"REG_MULTI_SZ", REG_MULTI_SZ, {'a', 0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        test::writeRawValue(settingsPath_, L"Typed", c.type, c.data);
        EXPECT_EQ(store_.read("Typed"), std::nullopt);
    }
    // The same name as REG_SZ does read: the refusal above is about the type.
    test::writeRawValue(settingsPath_, L"Typed", REG_SZ, test::stringBytes(L"42"));
    EXPECT_EQ(store_.read("Typed"), std::optional<std::string>("42"));
}

TEST_F(RegistrySettingsStoreTest, StringStoredWithoutTerminatorOrWithTrailingBytesReadsUpToNul) {
    const std::wstring text = L"abc";
    const auto* begin = reinterpret_cast<const BYTE*>(text.data());
    test::writeRawValue(settingsPath_, L"Bare", REG_SZ,
                        std::vector<BYTE>(begin, begin + text.size() * sizeof(wchar_t)));
    EXPECT_EQ(store_.read("Bare"), std::optional<std::string>("abc"));

    const std::wstring trailing(L"abc\0junk", 8);
    begin = reinterpret_cast<const BYTE*>(trailing.data());
    test::writeRawValue(settingsPath_, L"Trailing", REG_SZ,
                        std::vector<BYTE>(begin, begin + trailing.size() * sizeof(wchar_t)));
    EXPECT_EQ(store_.read("Trailing"), std::optional<std::string>("abc"));
}

TEST_F(RegistrySettingsStoreTest, LongValueRoundTrips) {
    const std::string value(100000, 'x');
    store_.write("Long", value);
    EXPECT_EQ(store_.read("Long"), std::optional<std::string>(value));
}

// The one test that uses the real location, with an application name of its
// own that it deletes afterwards (the tests run in their own Wine prefix).
TEST(RegistrySettingsStoreLocationTest, DefaultsToTheClassicPerApplicationKey) {
    const std::wstring application = L"CorvalloTest" + test::randomName();
    const std::wstring applicationPath =
        win32::toUtf16(settings::kRegistryRoot) + L"\\" + application;
    RegistrySettingsStore store(win32::toUtf8(application));
    store.write("Interval", "3");
    const auto raw = test::readRawValue(
        applicationPath + L"\\" + win32::toUtf16(settings::kSection), L"Interval");
    RegDeleteTreeW(HKEY_CURRENT_USER, applicationPath.c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, applicationPath.c_str());
    ASSERT_TRUE(raw.has_value());
    EXPECT_EQ(raw->type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(raw->data, test::stringBytes(L"3"));
}

// Under Wine, as under Windows, a non-volatile key cannot be created below a
// volatile one (ERROR_CHILD_MUST_BE_VOLATILE). That makes a write fail for
// real, without relying on access rights, which Wine does not enforce.
TEST_F(RegistrySettingsStoreTest, FailingWriteThrowsWithStatusAndSystemText) {
    const std::wstring volatileRoot = root_.path() + L"\\Volatile";
    test::createVolatileKey(volatileRoot);
    RegistrySettingsStore store("Corvallo", win32::toUtf8(volatileRoot));
    try {
        store.write("Interval", "1");
        FAIL() << "write did not throw";
    } catch (const PlatformError& error) {
        EXPECT_EQ(error.status(), ERROR_CHILD_MUST_BE_VOLATILE);
        EXPECT_FALSE(error.description().empty());
        EXPECT_EQ(error.description().find('\n'), std::string::npos);
    }
    EXPECT_EQ(store.read("Interval"), std::nullopt);
}

}  // namespace
}  // namespace corvallo
