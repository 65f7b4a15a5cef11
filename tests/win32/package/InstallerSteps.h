#pragma once

// What the installer tests do and look at: the installers' paths, running
// them as a user or a package manager would, and what an installation leaves
// in files, shortcuts and the registry.
#include <windows.h>
// After <windows.h>, whose types they use.
#include <shlobj.h>

#include <optional>
#include <string>

namespace corvallo::e2e {

extern const wchar_t* const kUninstallKey;
extern const wchar_t* const kStartupApprovedKey;
std::wstring widen(const char* text);

// A file named by an environment variable as Wine shows Unix files ("Z:/...").
std::wstring fileFromEnvironment(const char* variable);

std::wstring setup();

std::wstring olderSetup();

std::wstring knownFolder(REFKNOWNFOLDERID id);

std::wstring installFolder();

std::wstring installedProgram();

std::wstring uninstaller();

std::wstring shortcut();

// The log-on entry as the program writes it (win32/RegistryStartupEntry.cpp).
std::wstring runValueFor(const std::wstring& program);

bool exists(const std::wstring& path);

std::string narrow(const std::optional<std::wstring>& text);

// The names in a folder, for failure messages.
std::string contents(const std::wstring& folder);

bool keyExists(const wchar_t* key);

bool valueExists(const wchar_t* key, const wchar_t* name);

std::optional<DWORD> readNumber(const wchar_t* key, const wchar_t* name);

std::optional<std::wstring> setting(const wchar_t* name);

// Runs a command line and waits for its process; its exit code.
DWORD run(const std::wstring& commandLine);

DWORD install(const std::wstring& installer);

// Uninstalls through the registered QuietUninstallString, as a package
// manager does. The uninstaller copies itself to the temporary folder, starts
// that copy and ends at once, so the removal is over when the copy has
// deleted the Uninstall key, its last step.
bool uninstall(const std::wstring& moreArguments = L"");

// Where a .lnk file points, read through the shell as Explorer does.
std::wstring shortcutTarget(const std::wstring& link);

// The ProductVersion of a file's version block; empty when it has none.
std::wstring productVersion(const std::wstring& file);

bool hasIcon(const std::wstring& file);

// Everything an installation leaves, gone, so each test starts on a machine
// where Corvallo was never installed.
void removeEverything();

}  // namespace corvallo::e2e
