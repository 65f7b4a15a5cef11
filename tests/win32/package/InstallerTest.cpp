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

namespace corvallo::e2e {
namespace {

const wchar_t* const kUninstallKey =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Corvallo";
const wchar_t* const kStartupApprovedKey =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";

std::wstring widen(const char* text) {
    return std::wstring(text, text + std::strlen(text));
}

// A file named by an environment variable as Wine shows Unix files ("Z:/...").
std::wstring fileFromEnvironment(const char* variable) {
    const char* path = std::getenv(variable);
    if (path == nullptr) {
        throw std::runtime_error(std::string(variable) + " is not set");
    }
    std::wstring wide = widen(path);
    for (auto& c : wide) {
        if (c == L'/') {
            c = L'\\';
        }
    }
    return wide;
}

std::wstring setup() {
    return fileFromEnvironment("CORVALLO_SETUP");
}
std::wstring olderSetup() {
    return fileFromEnvironment("CORVALLO_OLDER_SETUP");
}

std::wstring knownFolder(REFKNOWNFOLDERID id) {
    wchar_t* path = nullptr;
    if (FAILED(SHGetKnownFolderPath(id, 0, nullptr, &path))) {
        throw std::runtime_error("no known folder");
    }
    std::wstring folder = path;
    CoTaskMemFree(path);
    return folder;
}

std::wstring installFolder() {
    return knownFolder(FOLDERID_LocalAppData) + L"\\Programs\\Corvallo";
}
std::wstring installedProgram() {
    return installFolder() + L"\\Corvallo.exe";
}
std::wstring uninstaller() {
    return installFolder() + L"\\Uninstall.exe";
}
std::wstring shortcut() {
    return knownFolder(FOLDERID_Programs) + L"\\Corvallo.lnk";
}
// The log-on entry as the program writes it (win32/RegistryStartupEntry.cpp).
std::wstring runValueFor(const std::wstring& program) {
    return L"\"" + program + L"\" /STARTUP";
}

bool exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string narrow(const std::optional<std::wstring>& text) {
    const std::wstring shown = text.value_or(L"<absent>");
    std::string result;
    for (wchar_t c : shown) {
        result += c < 128 ? static_cast<char>(c) : '?';
    }
    return result;
}

// The names in a folder, for failure messages.
std::string contents(const std::wstring& folder) {
    std::string names;
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return "<no folder>";
    }
    do {
        names += narrow(std::wstring(found.cFileName)) + " ";
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

bool keyExists(const wchar_t* key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, KEY_READ, &opened) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(opened);
    return true;
}

bool valueExists(const wchar_t* key, const wchar_t* name) {
    return RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_ANY, nullptr, nullptr, nullptr) ==
           ERROR_SUCCESS;
}

std::optional<DWORD> readNumber(const wchar_t* key, const wchar_t* name) {
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_DWORD, nullptr, &value, &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::wstring> setting(const wchar_t* name) {
    return Registry::read(Registry::kSettingsKey, name);
}

// Runs a command line and waits for its process; its exit code.
DWORD run(const std::wstring& commandLine) {
    std::wstring line = commandLine;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        throw std::runtime_error("cannot start: " + std::to_string(GetLastError()));
    }
    CloseHandle(process.hThread);
    const bool ended = WaitForSingleObject(process.hProcess, 90000) == WAIT_OBJECT_0;
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    if (!ended) {
        TerminateProcess(process.hProcess, 99);
    }
    CloseHandle(process.hProcess);
    if (!ended) {
        throw std::runtime_error("the process did not end");
    }
    return code;
}

DWORD install(const std::wstring& installer) {
    return run(L"\"" + installer + L"\" /S");
}

// Uninstalls through the registered QuietUninstallString, as a package
// manager does. The uninstaller copies itself to the temporary folder, starts
// that copy and ends at once, so the removal is over when the copy has
// deleted the Uninstall key, its last step.
bool uninstall(const std::wstring& moreArguments = L"") {
    const auto quiet = Registry::read(kUninstallKey, L"QuietUninstallString");
    if (!quiet) {
        ADD_FAILURE() << "no QuietUninstallString";
        return false;
    }
    EXPECT_EQ(run(*quiet + moreArguments), 0u);
    return waitFor([] { return !keyExists(kUninstallKey); }, std::chrono::seconds(30));
}

// Where a .lnk file points, read through the shell as Explorer does.
std::wstring shortcutTarget(const std::wstring& link) {
    IShellLinkW* shellLink = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(&shellLink)))) {
        return L"<no shell link object>";
    }
    std::wstring target = L"<unreadable>";
    IPersistFile* file = nullptr;
    if (SUCCEEDED(shellLink->QueryInterface(IID_PPV_ARGS(&file)))) {
        wchar_t path[MAX_PATH] = {};
        if (SUCCEEDED(file->Load(link.c_str(), STGM_READ)) &&
            SUCCEEDED(shellLink->GetPath(path, MAX_PATH, nullptr, 0))) {
            target = path;
        }
        file->Release();
    }
    shellLink->Release();
    return target;
}

// The ProductVersion of a file's version block; empty when it has none.
std::wstring productVersion(const std::wstring& file) {
    std::vector<BYTE> block(GetFileVersionInfoSizeW(file.c_str(), nullptr));
    if (block.empty() ||
        !GetFileVersionInfoW(file.c_str(), 0, static_cast<DWORD>(block.size()), block.data())) {
        return L"";
    }
    wchar_t* text = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), L"\\StringFileInfo\\040904b0\\ProductVersion",
                        reinterpret_cast<void**>(&text), &length)) {
        return L"";
    }
    return text;
}

bool hasIcon(const std::wstring& file) {
    HMODULE module = LoadLibraryExW(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr) {
        return false;
    }
    bool found = false;
    EnumResourceNamesW(
        module, RT_GROUP_ICON,
        [](HMODULE, LPCWSTR, LPWSTR, LONG_PTR found) -> BOOL {
            *reinterpret_cast<bool*>(found) = true;
            return FALSE;
        },
        reinterpret_cast<LONG_PTR>(&found));
    FreeLibrary(module);
    return found;
}

// Everything an installation leaves, gone, so each test starts on a machine
// where Corvallo was never installed.
void removeEverything() {
    for (const wchar_t* file : {L"Corvallo.exe", L"Uninstall.exe", L"LICENSE.txt"}) {
        DeleteFileW((installFolder() + L"\\" + file).c_str());
    }
    RemoveDirectoryW(installFolder().c_str());
    DeleteFileW(shortcut().c_str());
    RegDeleteTreeW(HKEY_CURRENT_USER, kUninstallKey);
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kStartupApprovedKey, L"Corvallo");
    Registry::clearSettings();
    Registry::removeRunValue();
}

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
