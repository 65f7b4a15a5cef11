#include "win32/ShellBrowser.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "Probe.h"
#include "ThrowAwayKey.h"
#include "win32/Utf16.h"

namespace corvallo {
namespace {

// An address scheme of its own with the probe as its handler, deleted at the
// end. Windows also reads the user's own classes (HKCU\Software\Classes),
// but Wine 8 only reads those of the machine (HKLM\Software\Classes) for
// HKEY_CLASSES_ROOT, so the scheme is registered there: in the test prefix.
class TestScheme {
  public:
    explicit TestScheme(const std::wstring& handler)
        : name_(L"corvallotest" + test::randomName()), path_(L"Software\\Classes\\" + name_) {
        set(path_, L"", L"URL:Corvallo test");
        set(path_, L"URL Protocol", L"");
        set(path_ + L"\\shell\\open\\command", L"", L"\"" + handler + L"\" \"%1\"");
    }
    ~TestScheme() {
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, path_.c_str());
        RegDeleteKeyW(HKEY_LOCAL_MACHINE, path_.c_str());
    }
    TestScheme(const TestScheme&) = delete;
    TestScheme& operator=(const TestScheme&) = delete;

    [[nodiscard]] const std::wstring& name() const { return name_; }

  private:
    static void set(const std::wstring& key, const wchar_t* name, const std::wstring& text) {
        const auto bytes = test::stringBytes(text);
        // Creates the key when it is missing.
        ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, key.c_str(), name, REG_SZ, bytes.data(),
                                  static_cast<DWORD>(bytes.size())),
                  ERROR_SUCCESS);
    }

    std::wstring name_;
    std::wstring path_;
};

TEST(ShellBrowserTest, HandsTheAddressToTheSchemesHandler) {
    test::ProbeCopy probe;
    TestScheme scheme(probe.path());
    const std::wstring report = probe.folder() + L"\\opened.txt";
    // The handler inherits this environment: it tells the probe where to report.
    SetEnvironmentVariableW(L"CORVALLO_PROBE_OUT", report.c_str());
    SetEnvironmentVariableW(L"CORVALLO_PROBE_CLAIM", nullptr);
    SetEnvironmentVariableW(L"CORVALLO_PROBE_READY", nullptr);
    SetEnvironmentVariableW(L"CORVALLO_PROBE_RELEASE", nullptr);

    const std::string address = win32::toUtf8(scheme.name()) + ":tip/7?city=Zürich";
    ShellBrowser browser;
    browser.open(address);

    // open() does not wait for the handler.
    for (int attempt = 0; attempt < 300; ++attempt) {
        if (!test::ProbeCopy::readReport(report).appName.empty()) {
            break;
        }
        Sleep(100);
    }
    Sleep(200);  // the report is written in one go, but let the probe finish
    const auto seen = test::ProbeCopy::readReport(report);
    EXPECT_EQ(seen.appName, win32::toUtf8(probe.baseName()));
    EXPECT_EQ(seen.commandLine, "\"" + address + "\"");
}

}  // namespace
}  // namespace corvallo
