#include "ThrowAwayKey.h"

#include <gtest/gtest.h>

#include <random>

#include "win32/Utf16.h"

namespace corvallo::test {

std::wstring randomName() {
    std::random_device device;
    std::uniform_int_distribution<unsigned> digit(0, 15);
    std::wstring name;
    for (int i = 0; i < 16; ++i) {
        name += L"0123456789abcdef"[digit(device)];
    }
    return name;
}

ThrowAwayKey::ThrowAwayKey() : path_(L"Software\\CorvalloTests\\" + randomName()) {
    HKEY key = nullptr;
    const LSTATUS status =
        RegCreateKeyExW(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS) {
        ADD_FAILURE() << "cannot create the test key, status " << status;
        return;
    }
    RegCloseKey(key);
}

ThrowAwayKey::~ThrowAwayKey() {
    RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, path_.c_str());
    // Removes the common parent once the last test key is gone; fails (and
    // leaves it) while another test still has one.
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\CorvalloTests");
}

std::string ThrowAwayKey::utf8Path() const {
    return win32::toUtf8(path_);
}

bool keyExists(const std::wstring& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

std::optional<RawValue> readRawValue(const std::wstring& path, const std::wstring& name) {
    RawValue value;
    DWORD size = 0;
    // RRF_NOEXPAND: the value exactly as stored.
    const DWORD flags = RRF_RT_ANY | RRF_NOEXPAND;
    if (RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name.c_str(), flags, &value.type, nullptr,
                     &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    value.data.resize(size);
    if (RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name.c_str(), flags, &value.type,
                     value.data.data(), &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    value.data.resize(size);
    return value;
}

void writeRawValue(const std::wstring& path, const std::wstring& name, DWORD type,
                   const std::vector<BYTE>& data) {
    HKEY key = nullptr;
    LSTATUS status =
        RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE, nullptr, &key, nullptr);
    ASSERT_EQ(status, ERROR_SUCCESS);
    status =
        RegSetValueExW(key, name.c_str(), 0, type, data.data(), static_cast<DWORD>(data.size()));
    RegCloseKey(key);
    ASSERT_EQ(status, ERROR_SUCCESS);
}

std::vector<BYTE> stringBytes(const std::wstring& text) {
    const auto* begin = reinterpret_cast<const BYTE*>(text.c_str());
    return {begin, begin + (text.size() + 1) * sizeof(wchar_t)};
}

void createVolatileKey(const std::wstring& path) {
    HKEY key = nullptr;
    const LSTATUS status =
        RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr);
    ASSERT_EQ(status, ERROR_SUCCESS);
    RegCloseKey(key);
}

}  // namespace corvallo::test
