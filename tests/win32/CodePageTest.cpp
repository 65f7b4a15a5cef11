#include "win32/Win32CodePage.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvallo {
namespace {

// The prefixes the tests run in use the Western European code page, whose
// every byte is a character of its own and converts back to itself.
TEST(Win32CodePageTest, EveryWesternEuropeanByteRoundTrips) {
    ASSERT_EQ(GetACP(), 1252u);
    const Win32CodePage codePage;
    std::string everyByte;
    for (unsigned code = 1; code < 256; ++code) {
        everyByte += static_cast<char>(code);
    }
    const std::string text = codePage.toUnicode(everyByte);
    EXPECT_EQ(codePage.toBytes(text), everyByte);
    EXPECT_EQ(codePage.toUnicode(""), "");
    EXPECT_EQ(codePage.toBytes(""), "");
}

TEST(Win32CodePageTest, KnowsTheWesternEuropeanCodes) {
    ASSERT_EQ(GetACP(), 1252u);
    const Win32CodePage codePage;
    struct Case {
        const char* bytes;
        const char* text;
    };
    const std::vector<Case> cases = {
        {"A", "A"},
        {"\x80", "\u20ac"},
        {"\x93", "\u201c"},
        {"\xe9\xfc\xff", "\u00e9\u00fc\u00ff"},
        {"\x99\xca\xc7", "\u2122\u00ca\u00c7"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(codePage.toUnicode(c.bytes), c.text);
        EXPECT_EQ(codePage.toBytes(c.text), c.bytes);
    }
    // Characters the code page lacks become its default character.
    for (const char* absent : {"\u6771", "\u041a", "\U0001F33F"}) {
        SCOPED_TRACE(absent);
        const std::string bytes = codePage.toBytes(absent);
        EXPECT_NE(codePage.toUnicode(bytes), absent);
    }
}

}  // namespace
}  // namespace corvallo
