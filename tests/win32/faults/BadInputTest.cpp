// Every stored key damaged in every way a hand edit, another tool or an older
// release can damage it; the real program must start, show no message, keep
// running, quit cleanly and store what its load rules say.
#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>
#include <vector>

#include "FaultHarness.h"
#include "OutcomeTable.h"

namespace corvallo::faults {
namespace {

using e2e::Registry;

enum class Damage { Empty, Blanks, Negative, Huge, Text, NonAscii, Big, Dword, Binary };

constexpr Damage kDamages[] = {Damage::Empty, Damage::Blanks, Damage::Negative,
                               Damage::Huge,  Damage::Text,   Damage::NonAscii,
                               Damage::Big,   Damage::Dword,  Damage::Binary};

// Every damage with CORVALLO_FULL_MATRIX set (tools/test-faults.sh); by
// default one of each kind (empty, number, text, size, type), so that the
// default test run stays short.
std::vector<Damage> matrixDamages() {
    if (std::getenv("CORVALLO_FULL_MATRIX")) {
        return {std::begin(kDamages), std::end(kDamages)};
    }
    return {Damage::Empty, Damage::Negative, Damage::NonAscii, Damage::Big, Damage::Dword};
}

const wchar_t* const kKeys[] = {L"Hour",       L"Minute",         L"Second",
                                L"Date",       L"Card",           L"RunAtSysTray",
                                L"SystemTray", L"AutorunStartUp", L"Duration"};

const wchar_t* damageName(Damage damage) {
    switch (damage) {
        case Damage::Empty:
            return L"Empty";
        case Damage::Blanks:
            return L"Blanks";
        case Damage::Negative:
            return L"Negative";
        case Damage::Huge:
            return L"Huge";
        case Damage::Text:
            return L"Text";
        case Damage::NonAscii:
            return L"NonAscii";
        case Damage::Big:
            return L"Big";
        case Damage::Dword:
            return L"Dword";
        case Damage::Binary:
            return L"Binary";
    }
    return L"?";
}

const wchar_t* damageDescription(Damage damage) {
    switch (damage) {
        case Damage::Empty:
            return L"empty";
        case Damage::Blanks:
            return L"\"&nbsp;&nbsp;&nbsp;\" (3 blanks)";
        case Damage::Negative:
            return L"\"-5\"";
        case Damage::Huge:
            return L"\"99999999999\"";
        case Damage::Text:
            return L"\"seven\"";
        case Damage::NonAscii:
            return L"\"七時 Ça\"";
        case Damage::Big:
            return L"64 Ki \"1\" characters";
        case Damage::Dword:
            return L"REG_DWORD 7";
        case Damage::Binary:
            return L"REG_BINARY 37 00";
    }
    return L"?";
}

// The damaged value as written: REG_SZ unless the damage is the type.
void writeDamaged(const std::wstring& name, Damage damage) {
    switch (damage) {
        case Damage::Empty:
            return writeText(Registry::kSettingsKey, name, L"");
        case Damage::Blanks:
            return writeText(Registry::kSettingsKey, name, L"   ");
        case Damage::Negative:
            return writeText(Registry::kSettingsKey, name, L"-5");
        case Damage::Huge:
            return writeText(Registry::kSettingsKey, name, L"99999999999");
        case Damage::Text:
            return writeText(Registry::kSettingsKey, name, L"seven");
        case Damage::NonAscii:
            return writeText(Registry::kSettingsKey, name, L"七時 Ça");
        case Damage::Big:
            return writeText(Registry::kSettingsKey, name, std::wstring(65536, L'1'));
        case Damage::Dword: {
            const DWORD seven = 7;
            return writeValue(Registry::kSettingsKey, name, REG_DWORD, &seven, sizeof seven);
        }
        case Damage::Binary: {
            const BYTE bytes[] = {0x37, 0x00};
            return writeValue(Registry::kSettingsKey, name, REG_BINARY, bytes, sizeof bytes);
        }
    }
}

// Types that the store does not read as text, and the empty text: the
// program sees all of them as "no value".
bool readsAsEmpty(Damage damage) {
    return damage == Damage::Empty || damage == Damage::Dword || damage == Damage::Binary;
}

std::optional<StoredValue> setting(const std::wstring& name) {
    return readValue(Registry::kSettingsKey, name);
}

std::wstring settingText(const std::wstring& name) {
    const auto value = setting(name);
    return value ? value->describe() : L"absent";
}

bool holdsValidCard() {
    const auto card = setting(L"Card");
    if (!card || card->type != REG_SZ) {
        return false;
    }
    const int index = _wtoi(card->text().c_str());
    return index >= 1 && index <= 30 && card->text() == std::to_wstring(index);
}

using Case = std::tuple<const wchar_t*, Damage>;

std::wstring caseName(const wchar_t* key, Damage damage) {
    return std::wstring(key) + L"_" + damageName(damage);
}

std::vector<std::wstring> allCaseNames() {
    std::vector<std::wstring> names;
    for (const wchar_t* key : kKeys) {
        for (const Damage damage : kDamages) {
            names.push_back(caseName(key, damage));
        }
    }
    for (const wchar_t* type : {L"Dword", L"Binary", L"ExpandSz", L"MultiSz"}) {
        names.push_back(std::wstring(L"RunValue_") + type);
    }
    return names;
}

std::wstring outcomeCells(const Observed& seen) {
    std::wstring start = !seen.mainWindowAppeared ? L"no main window"
                         : seen.visible           ? L"window shown"
                         : seen.trayIcon          ? L"hidden in the tray"
                                                  : L"window hidden, no icon";
    if (seen.hourSelection < 0) {
        start += L", hour list empty";
    }
    const std::wstring box = seen.messageBox ? L"\"" + *seen.messageBox + L"\"" : L"none";
    const std::wstring exit = !seen.aliveAfterStart ? L"ended by itself"
                              : !seen.ended         ? L"did not end"
                                                    : L"code " + std::to_wstring(seen.exitCode);
    return start + L" | " + box + L" | " + exit;
}

// What every case must see: a start without a message, a running program
// and a clean quit.
void expectCleanRun(const Observed& seen) {
    EXPECT_TRUE(seen.mainWindowAppeared);
    EXPECT_FALSE(seen.messageBox.has_value())
        << "unexpected message: "
        << std::string(seen.messageBox.value_or(L"").begin(), seen.messageBox.value_or(L"").end());
    EXPECT_TRUE(seen.aliveAfterStart) << "the program ended by itself";
    EXPECT_TRUE(seen.ended) << "WM_CLOSE did not end the program";
    EXPECT_EQ(seen.exitCode, 0u);
}

void expectText(const std::wstring& name, const std::wstring& expected) {
    const auto value = setting(name);
    ASSERT_TRUE(value.has_value()) << "no stored value";
    EXPECT_TRUE(value->isText(expected))
        << std::string(name.begin(), name.end()) << " holds "
        << std::string(value->describe().begin(), value->describe().end());
}

class BadInput : public testing::TestWithParam<Case> {
  protected:
    void SetUp() override { cleanSlate(); }
    void TearDown() override { cleanSlate(); }
};

TEST_P(BadInput, StartsSilentlyAndStoresByTheLoadRules) {
    const auto [key, damage] = GetParam();
    const std::wstring name = std::wstring(key) == L"Duration" ? durationKey() : key;
    storeLaterRun();
    std::wstring arguments;
    if (std::wstring(key) == L"RunAtSysTray") {
        // The only start that reads "RunAtSysTray": a log-on start with the
        // Run value present. A damaged flag is not "True": the window shows.
        writeText(Registry::kRunKey, L"Corvallo", expectedRunValue());
        // "SystemTray" stays absent: were it "True", loading it would tick
        // the check box, which stores "RunAtSysTray" = "True" again.
        writeText(Registry::kSettingsKey, L"AutorunStartUp", L"True");
        arguments = L"/STARTUP";
    }
    if (std::wstring(key) == L"SystemTray") {
        // The check box is enabled and ticked before the saved flag is loaded
        // into it, so a damaged flag clears it, which stores "RunAtSysTray".
        writeText(Registry::kRunKey, L"Corvallo", expectedRunValue());
        writeText(Registry::kSettingsKey, L"AutorunStartUp", L"True");
        writeText(Registry::kSettingsKey, L"RunAtSysTray", L"True");
    }
    writeDamaged(name, damage);
    const auto damaged = setting(name);
    ASSERT_TRUE(damaged.has_value());

    const Observed seen = runOnce(arguments);
    expectCleanRun(seen);
    EXPECT_TRUE(seen.visible) << "the window is not on screen";

    const std::wstring k = key;
    const auto unchanged = [&] {
        const auto now = setting(name);
        ASSERT_TRUE(now.has_value()) << "the damaged value was deleted";
        EXPECT_EQ(now->type, damaged->type);
        EXPECT_TRUE(now->bytes == damaged->bytes) << "the damaged value was rewritten";
    };
    std::wstring stored;
    if (k == L"Hour" && readsAsEmpty(damage)) {
        // No "Hour" is the mark of a first run: the defaults are stored.
        expectText(L"Hour", L"7");
        expectText(L"Minute", L"0");
        expectText(L"Second", L"0");
        expectText(L"Date", shortDate(0));
        EXPECT_TRUE(holdsValidCard());
        EXPECT_EQ(seen.hourSelection, 7);
        stored = L"first run: Hour " + settingText(L"Hour") + L", Date today, Card " +
                 settingText(L"Card");
    } else if (k == L"Hour" || k == L"Minute" || k == L"Second") {
        // A later run; loading the lists stops at the damaged one, which
        // therefore is not rewritten.
        unchanged();
        expectText(L"Date", shortDate(1));
        expectText(L"Card", L"16");
        EXPECT_EQ(seen.hourSelection, k == L"Hour" ? -1 : 7);
        stored = k + L" unchanged, Date tomorrow as before, Card \"16\"";
    } else if (k == L"Date") {
        // An unreadable due date counts as due: a new tip, tomorrow stored.
        expectText(L"Date", shortDate(1));
        EXPECT_TRUE(holdsValidCard());
        EXPECT_EQ(seen.hourSelection, 7);
        stored = L"Date " + settingText(L"Date") + L" (tomorrow), new Card " + settingText(L"Card");
    } else if (k == L"Card") {
        // Not due: the stored index is shown again and stored again as its
        // 16-bit number, 0 when it is none.
        const std::wstring expected = damage == Damage::Negative ? L"-5" : L"0";
        expectText(L"Card", expected);
        expectText(L"Date", shortDate(1));
        EXPECT_EQ(seen.hourSelection, 7);
        stored = L"Card " + settingText(L"Card") + L", Date unchanged";
    } else if (k == L"RunAtSysTray") {
        unchanged();
        EXPECT_TRUE(readValue(Registry::kRunKey, L"Corvallo")
                        .value_or(StoredValue{})
                        .isText(expectedRunValue()));
        expectText(L"AutorunStartUp", L"True");
        stored =
            L"started with /STARTUP and the Run value: window shown, not the tray; "
            L"RunAtSysTray unchanged";
    } else if (k == L"SystemTray") {
        expectText(L"RunAtSysTray", L"False");
        expectText(L"SystemTray", L"False");
        expectText(L"AutorunStartUp", L"True");
        stored = L"check box cleared: RunAtSysTray \"False\"; at quit SystemTray " +
                 settingText(L"SystemTray");
    } else if (k == L"AutorunStartUp") {
        // A number other than 0 is true; DWORD and binary values read as
        // absent, that is "False"; any other text stops loading the lists.
        const bool number = damage == Damage::Negative || damage == Damage::Huge;
        const bool loads = number || (readsAsEmpty(damage) && damage != Damage::Empty);
        const auto run = readValue(Registry::kRunKey, L"Corvallo");
        if (number) {
            ASSERT_TRUE(run.has_value()) << "no Run value";
            EXPECT_TRUE(run->isText(expectedRunValue()));
        } else {
            EXPECT_FALSE(run.has_value()) << "a Run value was written";
        }
        EXPECT_EQ(seen.hourSelection, loads ? 7 : -1);
        expectText(L"AutorunStartUp", number ? L"True" : L"False");
        stored = std::wstring(run ? L"Run value written" : L"no Run value") +
                 L"; at quit AutorunStartUp " + settingText(L"AutorunStartUp");
    } else {
        // The update reminder: whatever it cannot read as a date counts as
        // no record; today is recorded and nothing is asked.
        expectText(name, scrambled(shortDate(0)));
        expectText(L"Card", L"16");
        stored = L"today recorded (scrambled), no question";
    }
    if (k != L"RunAtSysTray" && k != L"SystemTray" && k != L"AutorunStartUp") {
        // The quit saves the start-up choices from the panel: no Run value.
        expectText(L"AutorunStartUp", L"False");
        expectText(L"SystemTray", L"False");
    }
    const std::wstring shownKey = k == L"Duration" ? L"Duration (scrambled)" : k;
    recordOutcome(allCaseNames(), caseName(key, damage),
                  L"| " + shownKey + L" | " + damageDescription(damage) + L" | " +
                      outcomeCells(seen) + L" | " + stored + L" |");
}

INSTANTIATE_TEST_SUITE_P(Matrix, BadInput,
                         testing::Combine(testing::ValuesIn(kKeys),
                                          testing::ValuesIn(matrixDamages())),
                         [](const testing::TestParamInfo<Case>& info) {
                             const std::wstring name =
                                 caseName(std::get<0>(info.param), std::get<1>(info.param));
                             return std::string(name.begin(), name.end());
                         });

struct RunValueCase {
    const wchar_t* name;
    DWORD type;
    std::vector<BYTE> data;
};

class RunValueOfAnotherType : public testing::TestWithParam<RunValueCase> {
  protected:
    void SetUp() override { cleanSlate(); }
    void TearDown() override { cleanSlate(); }
};

// A Run value of any type counts as present; the start, with "Run at
// start-up" saved, writes it again as REG_SZ with the quoted path.
TEST_P(RunValueOfAnotherType, CountsAsPresentAndIsRewrittenAsText) {
    const RunValueCase& c = GetParam();
    storeLaterRun();
    writeText(Registry::kSettingsKey, L"AutorunStartUp", L"True");
    writeValue(Registry::kRunKey, L"Corvallo", c.type, c.data.data(),
               static_cast<DWORD>(c.data.size()));
    const Observed seen = runOnce();
    expectCleanRun(seen);
    EXPECT_TRUE(seen.visible);
    const auto run = readValue(Registry::kRunKey, L"Corvallo");
    ASSERT_TRUE(run.has_value());
    EXPECT_TRUE(run->isText(expectedRunValue()))
        << "Run value: " << std::string(run->describe().begin(), run->describe().end());
    expectText(L"AutorunStartUp", L"True");
    recordOutcome(
        allCaseNames(), std::wstring(L"RunValue_") + c.name,
        std::wstring(L"| Run value (AutorunStartUp \"True\") | ") + c.name + L" | " +
            outcomeCells(seen) + L" | Run value " +
            (run->isText(expectedRunValue()) ? L"REG_SZ \"<path>\" /STARTUP" : run->describe()) +
            L" |");
}

std::vector<BYTE> bytesOf(const std::wstring& text) {
    const auto* begin = reinterpret_cast<const BYTE*>(text.c_str());
    return {begin, begin + (text.size() + 1) * sizeof(wchar_t)};
}

INSTANTIATE_TEST_SUITE_P(
    Matrix, RunValueOfAnotherType,
    testing::Values(RunValueCase{L"Dword", REG_DWORD, {1, 0, 0, 0}},
                    RunValueCase{L"Binary", REG_BINARY, {0x43, 0x00, 0x3a, 0x00}},
                    RunValueCase{L"ExpandSz", REG_EXPAND_SZ, bytesOf(L"%TEMP%\\old.exe")},
                    RunValueCase{L"MultiSz", REG_MULTI_SZ, bytesOf(L"old.exe")}),
    [](const testing::TestParamInfo<RunValueCase>& info) {
        return std::string(info.param.name, info.param.name + wcslen(info.param.name));
    });

}  // namespace
}  // namespace corvallo::faults
