#pragma once

#include <windows.h>

namespace corvallo::win32 {

// Owns one open registry key and closes it, whatever way the scope is left.
class RegistryKey {
  public:
    RegistryKey() = default;
    ~RegistryKey() { reset(); }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    // For the out-parameter of RegOpenKeyExW / RegCreateKeyExW.
    [[nodiscard]] HKEY* receive() {
        reset();
        return &key_;
    }
    [[nodiscard]] HKEY get() const { return key_; }

  private:
    void reset() {
        if (key_ != nullptr) {
            RegCloseKey(key_);
            key_ = nullptr;
        }
    }

    HKEY key_ = nullptr;
};

}  // namespace corvallo::win32
