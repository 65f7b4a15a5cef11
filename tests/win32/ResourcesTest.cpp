// The resources built into Corvallo.exe (win32/corvallo.rc) against what the
// core says: one picture in each size for every tip, the program's name and
// version, and no menu resource (the menus are built from the layout).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "core/model/ProgramName.h"
#include "core/model/TipCatalogue.h"
#include "win32/Utf16.h"
#include "win32/resource.h"

namespace corvallo {
namespace {

// The program under test, from CORVALLO_EXE ("Z:/..."), with Windows separators.
std::wstring programPath() {
    const char* path = std::getenv("CORVALLO_EXE");
    std::wstring wide = path != nullptr ? win32::toUtf16(path) : std::wstring();
    for (wchar_t& c : wide) {
        if (c == L'/') {
            c = L'\\';
        }
    }
    return wide;
}

class ResourcesTest : public testing::Test {
  protected:
    void SetUp() override {
        program_ = LoadLibraryExW(programPath().c_str(), nullptr,
                                  LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(program_, nullptr) << "cannot load " << win32::toUtf8(programPath());
    }
    void TearDown() override {
        if (program_ != nullptr) {
            FreeLibrary(program_);
        }
    }

    [[nodiscard]] bool has(const wchar_t* type, int id) const {
        return FindResourceW(program_, MAKEINTRESOURCEW(id), type) != nullptr;
    }

    [[nodiscard]] std::vector<int> idsOf(const wchar_t* type) const {
        std::vector<int> ids;
        EnumResourceNamesW(
            program_, type,
            [](HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found) -> BOOL {
                if (IS_INTRESOURCE(name)) {
                    reinterpret_cast<std::vector<int>*>(found)->push_back(
                        static_cast<int>(reinterpret_cast<ULONG_PTR>(name)));
                }
                return TRUE;
            },
            reinterpret_cast<LONG_PTR>(&ids));
        return ids;
    }

    HMODULE program_ = nullptr;
};

TEST_F(ResourcesTest, EveryTipHasItsPictureInBothSizesAndNoOtherPictureIsThere) {
    std::vector<int> expected;
    for (int tip = 1; tip <= kTipCount; ++tip) {
        expected.push_back(IDR_TIP_BASE + tip);
    }
    for (int tip = 1; tip <= kTipCount; ++tip) {
        expected.push_back(IDR_TIP2X_BASE + tip);
    }
    EXPECT_EQ(idsOf(RT_RCDATA), expected);
}

TEST_F(ResourcesTest, HoldsTheProgramIconAndTheManifest) {
    EXPECT_TRUE(has(RT_GROUP_ICON, IDI_APPICON));
    EXPECT_TRUE(has(RT_MANIFEST, IDR_MANIFEST));
}

TEST_F(ResourcesTest, HoldsNoMenuBecauseTheMenusComeFromTheLayout) {
    EXPECT_TRUE(idsOf(RT_MENU).empty());
}

// The version block names the program as the core does, and its version is
// the one in the window caption ("Corvallo v1.10").
TEST_F(ResourcesTest, VersionBlockAgreesWithTheProgramNameAndCaption) {
    HRSRC found = FindResourceW(program_, MAKEINTRESOURCEW(VS_VERSION_INFO), RT_VERSION);
    ASSERT_NE(found, nullptr);
    const auto* block = static_cast<const BYTE*>(LockResource(LoadResource(program_, found)));
    ASSERT_NE(block, nullptr);
    // VerQueryValueW needs a writable copy.
    std::vector<BYTE> copy(block, block + SizeofResource(program_, found));
    const auto text = [&](const wchar_t* name) {
        const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
        void* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueW(copy.data(), path.c_str(), &value, &length) || value == nullptr) {
            return std::string("(none)");
        }
        return win32::toUtf8(static_cast<const wchar_t*>(value));
    };
    EXPECT_EQ(text(L"ProductName"), kAppTitle);
    EXPECT_EQ(text(L"InternalName"), kAppTitle);
    EXPECT_EQ(text(L"OriginalFilename"), std::string(kAppTitle) + ".exe");
    EXPECT_EQ(std::string(kAppTitle) + " v" + text(L"ProductVersion"), kWindowCaption);
    EXPECT_EQ(text(L"FileVersion"), text(L"ProductVersion"));
}

}  // namespace
}  // namespace corvallo
