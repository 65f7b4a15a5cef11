#include "win32/Win32CodePage.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvallo {
namespace {

TEST(Win32CodePageTest, EveryCodeRoundTrips) {
    const Win32CodePage codePage;
    for (unsigned code = 0; code < 256; ++code) {
        SCOPED_TRACE(code);
        const char32_t character = codePage.fromCode(static_cast<unsigned char>(code));
        ASSERT_NE(character, U'\uFFFD');  // a single-byte code page has no lead bytes
        EXPECT_EQ(codePage.toCode(character), std::optional<unsigned char>(code));
    }
}

// Compared with the other direction of the platform's conversion: a
// character has a code exactly when WideCharToMultiByte, without best-fit
// substitutes, turns it into that single byte.
TEST(Win32CodePageTest, AgreesWithWideCharToMultiByte) {
    const Win32CodePage codePage;
    for (char32_t character = 1; character < 0xD800; ++character) {
        const auto wide = static_cast<wchar_t>(character);
        char bytes[4] = {};
        BOOL usedDefault = FALSE;
        const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, &wide, 1, bytes,
                                               sizeof bytes, nullptr, &usedDefault);
        const bool single = length == 1 && usedDefault == FALSE;
        const auto code = codePage.toCode(character);
        if (code.has_value() != single ||
            (single && *code != static_cast<unsigned char>(bytes[0]))) {
            ADD_FAILURE() << "character U+" << std::hex << static_cast<unsigned>(character);
            return;
        }
    }
}

// The prefixes the tests run in use the Western European code page.
TEST(Win32CodePageTest, KnowsTheWesternEuropeanCodes) {
    ASSERT_EQ(GetACP(), 1252u);
    const Win32CodePage codePage;
    struct Case {
        unsigned char code;
        char32_t character;
    };
    const std::vector<Case> cases = {
        {0x41, U'A'},      {0x80, U'\u20AC'}, {0x93, U'\u201C'}, {0xE9, U'\u00E9'},
        {0xFC, U'\u00FC'}, {0xFF, U'\u00FF'}, {0x00, U'\0'},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.code));
        EXPECT_EQ(codePage.fromCode(c.code), c.character);
        EXPECT_EQ(codePage.toCode(c.character), std::optional<unsigned char>(c.code));
    }
    for (const char32_t absent : {U'\u6771', U'\u041a', U'\U0001F33F', U'\u0100'}) {
        SCOPED_TRACE(static_cast<unsigned>(absent));
        EXPECT_EQ(codePage.toCode(absent), std::nullopt);
    }
}

}  // namespace
}  // namespace corvallo
