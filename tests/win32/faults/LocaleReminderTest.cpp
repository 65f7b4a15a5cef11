// The update reminder in the user's locale, which Wine takes from LANG: the
// record the program writes at its first run must read back at a start
// twenty days later, whatever the ANSI code page and the short date. Run once
// per locale (see CMakeLists.txt and tools/test-locales.sh); the environment
// names the code page the locale must give, so a locale that Wine did not
// take fails instead of passing as en-US.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cwchar>
#include <fstream>
#include <optional>
#include <set>
#include <string>

#include "FaultHarness.h"
#include "MovedClock.h"

namespace corvallo::faults {
namespace {

using e2e::Registry;

constexpr SYSTEMTIME kDayZero{2031, 5, 0, 20, 12, 0, 0, 0};

// The settings the program stores under names of their own; the reminder's
// record is the one value besides them.
const std::set<std::wstring> kPlainNames = {L"Hour",       L"Minute",      L"Second",
                                            L"Date",       L"Card",        L"AutorunStartUp",
                                            L"SystemTray", L"RunAtSysTray"};

struct Record {
    std::wstring name;
    std::wstring value;
    bool operator==(const Record&) const = default;
};

std::optional<Record> reminderRecord() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, Registry::kSettingsKey, 0, KEY_READ, &key) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::optional<Record> found;
    for (DWORD index = 0;; ++index) {
        wchar_t name[256] = {};
        DWORD nameLength = 256;
        if (RegEnumValueW(key, index, name, &nameLength, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            break;
        }
        if (!kPlainNames.contains(name)) {
            found = Record{name, readValue(Registry::kSettingsKey, name)->text()};
        }
    }
    RegCloseKey(key);
    return found;
}

// Control characters and direction marks, which a table would not show, are
// written as \uXXXX.
std::string utf8(const std::wstring& text) {
    std::wstring shown;
    for (const wchar_t c : text) {
        const bool invisible = c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x200E || c == 0x200F;
        if (invisible) {
            wchar_t escape[8] = {};
            swprintf(escape, 8, L"\\u%04X", static_cast<unsigned>(c));
            shown += escape;
        } else {
            shown += c;
        }
    }
    std::string bytes(shown.size() * 4, '\0');
    bytes.resize(static_cast<std::size_t>(
        WideCharToMultiByte(CP_UTF8, 0, shown.c_str(), static_cast<int>(shown.size()), bytes.data(),
                            static_cast<int>(bytes.size()), nullptr, nullptr)));
    return bytes;
}

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::wstring shortDatePattern() {
    wchar_t pattern[80] = {};
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, pattern, 80);
    return pattern;
}

// One row of docs/locales.md, appended to the file CORVALLO_LOCALE_TABLE
// names (a Unix path) when it is set.
void appendTableRow(const Record& first, const std::optional<StoredValue>& date, bool asked) {
    const std::string table = environment("CORVALLO_LOCALE_TABLE");
    if (table.empty()) {
        return;
    }
    std::ofstream out("Z:" + table, std::ios::app);
    out << "| " << environment("LANG") << " | " << GetACP() << " | `" << utf8(shortDatePattern())
        << "` | `" << utf8(date ? date->text() : L"(none)") << "` | `" << utf8(first.name)
        << "` = `" << utf8(first.value) << "` | " << (asked ? "yes" : "no") << " |\n";
}

// Starts the program, answers No to a question that comes within the first
// seconds, and asks the program to quit; the text of the question, if any.
std::optional<std::wstring> startAndAnswerNo() {
    e2e::RunningProgram program(programPath());
    std::optional<std::wstring> question;
    if (HWND box = program.messageBox(5000ms)) {
        question = e2e::messageBoxText(box);
        e2e::answerMessageBox(box, IDNO);
    }
    HWND main = program.mainWindow();
    EXPECT_NE(main, nullptr);
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.hasEnded(10000ms));
    return question;
}

class LocaleReminder : public testing::Test {
  protected:
    void SetUp() override { cleanSlate(); }
    void TearDown() override {
        clock.setTrueTime();
        cleanSlate();
    }
    MovedClock clock;
};

TEST_F(LocaleReminder, AsksTwentyDaysAfterTheFirstRunAndOnceOnly) {
    ASSERT_EQ(std::to_string(GetACP()), environment("CORVALLO_EXPECTED_CODE_PAGE"))
        << "Wine did not take the locale " << environment("LANG");

    clock.setLocalTime(dayAt(kDayZero, 0, 12, 0, 0));
    EXPECT_EQ(startAndAnswerNo(), std::nullopt) << "a question at the first run";
    const std::optional<Record> firstRecord = reminderRecord();
    ASSERT_TRUE(firstRecord) << "no record of the first run";
    const std::optional<StoredValue> date = readValue(Registry::kSettingsKey, L"Date");

    clock.setLocalTime(dayAt(kDayZero, 20, 12, 0, 0));
    const std::optional<std::wstring> question = startAndAnswerNo();
    appendTableRow(*firstRecord, date, question.has_value());
    ASSERT_TRUE(question) << "no question twenty days after the first run";
    EXPECT_NE(question->find(L"update"), std::wstring::npos);
    const std::optional<Record> answered = reminderRecord();
    ASSERT_TRUE(answered);
    EXPECT_EQ(answered->name, firstRecord->name);
    EXPECT_NE(answered->value, firstRecord->value) << "the answer recorded no new date";

    EXPECT_EQ(startAndAnswerNo(), std::nullopt) << "asked again at the next start";
    EXPECT_EQ(reminderRecord(), answered);
}

}  // namespace
}  // namespace corvallo::faults
