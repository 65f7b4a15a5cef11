// The installer and uninstaller as a user and a package manager run them,
// under Wine: silent installation, the installed program, removal with and
// without the settings, installation over a running copy, an upgrade.
#include <windows.h>
// After <windows.h>, whose types they use.
#include <shlobj.h>
#include <shobjidl.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "Driver.h"
#include "InstallerSteps.h"

namespace corvallo::e2e {
namespace {

class Installer : public testing::Test {
  protected:
    void SetUp() override {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        removeEverything();
    }
    void TearDown() override {
        removeEverything();
        CoUninitialize();
    }
    void storeLaterRun() {
        Registry::write(Registry::kSettingsKey, L"Hour", L"9");
        Registry::write(Registry::kSettingsKey, L"Minute", L"0");
        Registry::write(Registry::kSettingsKey, L"Second", L"0");
        Registry::write(Registry::kSettingsKey, L"Card", L"16");
    }
};

TEST_F(Installer, SilentInstallRegistersTheProgramWhichThenRunsAndStoresItsSettings) {
    ASSERT_EQ(install(setup()), 0u);
    for (const std::wstring& file : {installedProgram(), uninstaller()}) {
        EXPECT_TRUE(exists(file)) << narrow(file);
    }
    EXPECT_EQ(shortcutTarget(shortcut()), installedProgram());

    const std::wstring version = widen(CORVALLO_VERSION);
    const std::wstring quotedUninstaller = L"\"" + uninstaller() + L"\"";
    const struct {
        const wchar_t* name;
        std::wstring value;
    } texts[] = {
        {L"DisplayName", L"Corvallo"},
        {L"DisplayVersion", version},
        {L"Publisher", L"The Corvallo developers"},
        {L"DisplayIcon", installedProgram() + L",0"},
        {L"InstallLocation", installFolder()},
        {L"UninstallString", quotedUninstaller},
        {L"QuietUninstallString", quotedUninstaller + L" /S"},
    };
    for (const auto& text : texts) {
        SCOPED_TRACE(narrow(text.name));
        EXPECT_EQ(Registry::read(kUninstallKey, text.name), text.value);
    }
    EXPECT_EQ(readNumber(kUninstallKey, L"NoModify"), 1u);
    EXPECT_EQ(readNumber(kUninstallKey, L"NoRepair"), 1u);
    // The installed files take a few hundred KiB.
    EXPECT_GT(readNumber(kUninstallKey, L"EstimatedSize").value_or(0), 100u);

    for (const std::wstring& file : {setup(), uninstaller()}) {
        SCOPED_TRACE(narrow(file));
        EXPECT_EQ(productVersion(file), version);
        EXPECT_TRUE(hasIcon(file));
    }

    RunningProgram program(installedProgram());
    HWND main = program.mainWindow();
    ASSERT_NE(main, nullptr);
    // Written at the end of the run only.
    EXPECT_FALSE(setting(L"AutorunStartUp").has_value());
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.hasEnded(std::chrono::seconds(10)));
    EXPECT_EQ(setting(L"AutorunStartUp"), L"False");
}

TEST_F(Installer, UninstallRemovesTheProgramAndItsStartUpEntryAndTheSettingsOnlyWhenAsked) {
    const struct {
        const wchar_t* arguments;
        bool settingsKept;
        // A copy runs during the removal: it must be closed before the
        // settings go, or it would write them again as it ends.
        bool running;
    } cases[] = {
        {L"", true, false},
        {L" /REMOVESETTINGS", false, true},
    };
    for (const auto& removal : cases) {
        SCOPED_TRACE(narrow(removal.arguments));
        removeEverything();
        ASSERT_EQ(install(setup()), 0u);
        storeLaterRun();
        // "Run at start-up" on, as the program stores it.
        Registry::write(Registry::kRunKey, L"Corvallo", runValueFor(installedProgram()));
        // Task Manager keeps this value once the user has turned the log-on
        // entry off or on there; Wine never writes it, so it is made here.
        const BYTE enabled[12] = {2};
        RegSetKeyValueW(HKEY_CURRENT_USER, kStartupApprovedKey, L"Corvallo", REG_BINARY, enabled,
                        sizeof enabled);
        std::optional<RunningProgram> program;
        if (removal.running) {
            program.emplace(installedProgram());
            ASSERT_NE(program->mainWindow(), nullptr);
        }

        ASSERT_TRUE(uninstall(removal.arguments)) << "the Uninstall key stayed";
        if (program) {
            EXPECT_TRUE(program->hasEnded());
        }
        EXPECT_FALSE(exists(installFolder())) << contents(installFolder());
        EXPECT_FALSE(exists(shortcut()));
        EXPECT_FALSE(valueExists(Registry::kRunKey, L"Corvallo"));
        EXPECT_FALSE(valueExists(kStartupApprovedKey, L"Corvallo"));
        EXPECT_EQ(setting(L"Hour").has_value(), removal.settingsKept);
        EXPECT_EQ(keyExists(Registry::kApplicationKey), removal.settingsKept);
    }
}

TEST_F(Installer, InstallingOverARunningCopyClosesItAndItSavesItsSettings) {
    ASSERT_EQ(install(setup()), 0u);
    storeLaterRun();
    RunningProgram program(installedProgram());
    HWND main = program.mainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(waitFor([&] { return IsWindowVisible(main) != FALSE; }));
    click(findControl(main, L"Button", L"&Settings"));
    click(findControl(main, L"Button", L"Run at start-up"));
    ASSERT_TRUE(waitFor([] {
        return Registry::read(Registry::kRunKey, L"Corvallo") == runValueFor(installedProgram());
    }));
    // The close box hides the window in the notification area and stores
    // nothing: the choice above is saved only when the program ends.
    PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(waitFor([&] { return IsWindowVisible(main) == FALSE; }));
    ASSERT_FALSE(setting(L"AutorunStartUp").has_value());

    EXPECT_EQ(install(setup()), 0u);
    EXPECT_TRUE(program.hasEnded());
    EXPECT_EQ(setting(L"AutorunStartUp"), L"True");
    EXPECT_TRUE(exists(installedProgram()));
    EXPECT_EQ(Registry::read(Registry::kRunKey, L"Corvallo"), runValueFor(installedProgram()));
}

// A window of the program's class that ignores WM_CLOSE, made by this test:
// a copy that does not end when asked.
class CopyThatWillNotClose {
  public:
    CopyThatWillNotClose()
        : thread_([this] {
              WNDCLASSW windowClass{};
              windowClass.lpfnWndProc = [](HWND window, UINT message, WPARAM w, LPARAM l) {
                  return message == WM_CLOSE ? 0 : DefWindowProcW(window, message, w, l);
              };
              windowClass.hInstance = GetModuleHandleW(nullptr);
              windowClass.lpszClassName = L"CorvalloMain";
              RegisterClassW(&windowClass);
              window_ = CreateWindowW(L"CorvalloMain", L"Corvallo", WS_OVERLAPPEDWINDOW, 0, 0, 100,
                                      100, nullptr, nullptr, windowClass.hInstance, nullptr);
              threadId_ = GetCurrentThreadId();
              MSG message;
              while (GetMessageW(&message, nullptr, 0, 0) > 0) {
                  DispatchMessageW(&message);
              }
              DestroyWindow(window_);
          }) {
        waitFor([this] { return threadId_ != 0; });
    }
    ~CopyThatWillNotClose() {
        PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
        thread_.join();
    }
    CopyThatWillNotClose(const CopyThatWillNotClose&) = delete;
    CopyThatWillNotClose& operator=(const CopyThatWillNotClose&) = delete;

  private:
    HWND window_ = nullptr;
    std::atomic<DWORD> threadId_{0};
    std::thread thread_;
};

TEST_F(Installer, ASilentInstallOverACopyThatWillNotCloseFailsAndChangesNothing) {
    ASSERT_EQ(install(olderSetup()), 0u);
    {
        CopyThatWillNotClose copy;
        EXPECT_EQ(install(setup()), 2u);
    }
    // The new version registers itself only after its files are in place.
    EXPECT_EQ(Registry::read(kUninstallKey, L"DisplayVersion"), widen(CORVALLO_OLDER_VERSION));
}

TEST_F(Installer, UpgradeKeepsTheSettingsAndPointsTheStartUpEntryAtTheInstalledProgram) {
    ASSERT_EQ(install(olderSetup()), 0u);
    ASSERT_EQ(Registry::read(kUninstallKey, L"DisplayVersion"), widen(CORVALLO_OLDER_VERSION));
    storeLaterRun();
    Registry::write(Registry::kSettingsKey, L"AutorunStartUp", L"True");
    // "Run at start-up" chosen in a copy unpacked elsewhere from the zip.
    const std::wstring elsewhere = L"C:\\Users\\Public\\Corvallo\\Corvallo.exe";
    Registry::write(Registry::kRunKey, L"Corvallo", runValueFor(elsewhere));

    ASSERT_EQ(install(setup()), 0u);
    EXPECT_EQ(Registry::read(kUninstallKey, L"DisplayVersion"), widen(CORVALLO_VERSION));
    EXPECT_EQ(setting(L"Hour"), L"9");
    EXPECT_EQ(setting(L"AutorunStartUp"), L"True");
    EXPECT_EQ(Registry::read(Registry::kRunKey, L"Corvallo"), runValueFor(installedProgram()));

    // The log-on start the entry makes: the installed program with /STARTUP.
    RunningProgram program(installedProgram(), L"/STARTUP");
    HWND main = program.mainWindow();
    ASSERT_NE(main, nullptr);
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.hasEnded(std::chrono::seconds(10)));
}

}  // namespace
}  // namespace corvallo::e2e
