#include "win32/Utf16.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "win32/SystemMessage.h"

namespace corvallo::win32 {
namespace {

TEST(Utf16Test, ConvertsBothWays) {
    struct Case {
        std::string utf8;
        std::wstring utf16;
    };
    const std::vector<Case> cases = {
        {"", L""},
        {"Corvallo", L"Corvallo"},
        {"Zürich 東京", L"Z\u00fcrich \u6771\u4eac"},
        {"Корвалло", L"\u041a\u043e\u0440\u0432\u0430\u043b\u043b\u043e"},
        {"line\r\nbreak", L"line\r\nbreak"},
        {"\xF0\x9F\x8C\xBF", L"\xD83C\xDF3F"},  // U+1F33F, a surrogate pair
        {std::string("a\0b", 3), std::wstring(L"a\0b", 3)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(toUtf16(c.utf8), c.utf16);
        EXPECT_EQ(toUtf8(c.utf16), c.utf8);
    }
}

TEST(Utf16Test, InvalidUtf8BecomesReplacementCharacter) {
    EXPECT_EQ(toUtf16("a\xFF"
                      "b"),
              L"a\uFFFDb");
}

TEST(SystemMessageTest, DescribesAStatusWithoutTheLineBreak) {
    const std::string text = systemMessage(ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(text.empty());
    EXPECT_NE(text.back(), '\n');
    EXPECT_NE(text.back(), '\r');
    EXPECT_NE(text, systemMessage(ERROR_ACCESS_DENIED));
}

TEST(SystemMessageTest, UnknownStatusHasNoText) {
    EXPECT_EQ(systemMessage(0x2FFFFFFFu), "");
}

}  // namespace
}  // namespace corvallo::win32
