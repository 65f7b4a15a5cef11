#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace corvallo::test {

// A fresh key HKEY_CURRENT_USER\Software\CorvalloTests\<random>, deleted with
// everything below it when the object goes.
class ThrowAwayKey {
  public:
    ThrowAwayKey();
    ~ThrowAwayKey();
    ThrowAwayKey(const ThrowAwayKey&) = delete;
    ThrowAwayKey& operator=(const ThrowAwayKey&) = delete;

    // Relative to HKEY_CURRENT_USER.
    [[nodiscard]] const std::wstring& path() const { return path_; }
    [[nodiscard]] std::string utf8Path() const;

  private:
    std::wstring path_;
};

// A value as the registry holds it.
struct RawValue {
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
};

[[nodiscard]] bool keyExists(const std::wstring& path);
[[nodiscard]] std::optional<RawValue> readRawValue(const std::wstring& path,
                                                   const std::wstring& name);
void writeRawValue(const std::wstring& path, const std::wstring& name, DWORD type,
                   const std::vector<BYTE>& data);
// The bytes of a REG_SZ holding `text`, with its terminating NUL.
[[nodiscard]] std::vector<BYTE> stringBytes(const std::wstring& text);
// A key that only volatile keys may be created under; creating an ordinary
// (non-volatile) key below it fails with ERROR_CHILD_MUST_BE_VOLATILE.
void createVolatileKey(const std::wstring& path);
// A random lowercase hex text, for names no other test uses.
[[nodiscard]] std::wstring randomName();

}  // namespace corvallo::test
