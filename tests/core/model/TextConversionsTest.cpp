#include "core/model/TextConversions.h"

#include <gtest/gtest.h>

#include <optional>

namespace corvallo {
namespace {

TEST(TextConversions, WholeNumbers) {
    struct Case {
        const char* text;
        std::optional<int> int16;
        std::optional<long> int32;
    };
    const Case cases[] = {
        {"7", 7, 7},
        {"0", 0, 0},
        {"30", 30, 30},
        {"07", 7, 7},
        {" 18 ", 18, 18},
        {"+5", 5, 5},
        {"-1", -1, -1},
        {"32767", 32767, 32767},
        {"32768", std::nullopt, 32768},
        {"-32769", std::nullopt, -32769},
        {"99999999999", std::nullopt, std::nullopt},
        {"", std::nullopt, std::nullopt},
        {"   ", std::nullopt, std::nullopt},
        {"-", std::nullopt, std::nullopt},
        {"+", std::nullopt, std::nullopt},
        {"+-5", std::nullopt, std::nullopt},
        {" +-32768", std::nullopt, std::nullopt},
        {"-+5", std::nullopt, std::nullopt},
        {"seven", std::nullopt, std::nullopt},
        {"7a", std::nullopt, std::nullopt},
        {"7.5", std::nullopt, std::nullopt},
        {"1 2", std::nullopt, std::nullopt},
        {"\xc3\xa9", std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("text '") + c.text + "'");
        if (c.int16) {
            EXPECT_EQ(toInt16(c.text), *c.int16);
        } else {
            EXPECT_THROW((void)toInt16(c.text), ConversionError);
        }
        if (c.int32) {
            EXPECT_EQ(toInt32(c.text), *c.int32);
        } else {
            EXPECT_THROW((void)toInt32(c.text), ConversionError);
        }
    }
}

TEST(TextConversions, Booleans) {
    struct Case {
        const char* text;
        std::optional<bool> value;
    };
    const Case cases[] = {
        {"True", true},
        {"TRUE", true},
        {"true", true},
        {"tRuE", true},
        {"False", false},
        {"FALSE", false},
        {"1", true},
        {"0", false},
        {"-1", true},
        {"2.5", true},
        {"0.0", false},
        {" True ", true},
        {"yes", std::nullopt},
        {"", std::nullopt},
        {"Truth", std::nullopt},
        {"1e5x", std::nullopt},
        {"nan", std::nullopt},
        {"+1", true},
        {"+-1", std::nullopt},
        {"+-0.5", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("text '") + c.text + "'");
        if (c.value) {
            EXPECT_EQ(toBoolean(c.text), *c.value);
        } else {
            EXPECT_THROW((void)toBoolean(c.text), ConversionError);
        }
    }
}

TEST(TextConversions, FlagsCompareWithTrueExactly) {
    EXPECT_TRUE(isTrueFlag("True"));
    EXPECT_FALSE(isTrueFlag("true"));
    EXPECT_FALSE(isTrueFlag("TRUE"));
    EXPECT_FALSE(isTrueFlag("1"));
    EXPECT_FALSE(isTrueFlag("True "));
    EXPECT_EQ(flagText(true), "True");
    EXPECT_EQ(flagText(false), "False");
}

}  // namespace
}  // namespace corvallo
