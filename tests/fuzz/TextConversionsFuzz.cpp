// Arbitrary bytes through toInt16, toInt32 and toBoolean: they either throw
// ConversionError or return a value that agrees with an independent reading
// of the text and survives being formatted and read again.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "core/model/TextConversions.h"

namespace {

using corvallo::ConversionError;
using corvallo::fuzz::require;

std::string_view trimSpaces(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The documented form of a whole number: surrounding blanks, at most one
// sign, then decimal digits only. Its value saturates past 64 bits, which is
// far outside both ranges checked here.
std::optional<long long> referenceWhole(std::string_view text) {
    std::string_view digits = trimSpaces(text);
    bool negative = false;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    if (digits.empty()) {
        return std::nullopt;
    }
    long long value = 0;
    for (const char c : digits) {
        if (!isDigit(c)) {
            return std::nullopt;
        }
        value = value > 1'000'000'000'000LL ? value : value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

// The documented form of a boolean's number: at most one sign, digits with at
// most one decimal point, at least one digit. Whether it is zero shows in the
// digits alone.
std::optional<bool> referenceNumberIsNonZero(std::string_view text) {
    std::string_view number = trimSpaces(text);
    if (!number.empty() && (number.front() == '+' || number.front() == '-')) {
        number.remove_prefix(1);
    }
    bool sawDigit = false;
    bool sawPoint = false;
    bool nonZero = false;
    for (const char c : number) {
        if (c == '.' && !sawPoint) {
            sawPoint = true;
        } else if (isDigit(c)) {
            sawDigit = true;
            nonZero = nonZero || c != '0';
        } else {
            return std::nullopt;
        }
    }
    return sawDigit ? std::optional(nonZero) : std::nullopt;
}

template <class Convert>
auto attempt(Convert convert, std::string_view text) -> std::optional<decltype(convert(text))> {
    try {
        return convert(text);
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

bool equalsIgnoringCase(std::string_view text, std::string_view lowerWord) {
    if (text.size() != lowerWord.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != lowerWord[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = corvallo::fuzz::bytesAsText(data, size);
    const auto reference = referenceWhole(text);

    const auto as32 = attempt([](std::string_view t) { return corvallo::toInt32(t); }, text);
    const bool fitsInt32 = reference && *reference >= INT32_MIN && *reference <= INT32_MAX;
    require(as32.has_value() == fitsInt32, "toInt32 accepts exactly the whole numbers in range");
    if (as32) {
        require(*as32 == *reference, "toInt32 reads the number's value");
        require(corvallo::toInt32(std::to_string(*as32)) == *as32,
                "a returned int32 formats to a text that reads back the same");
    }

    const auto as16 = attempt([](std::string_view t) { return corvallo::toInt16(t); }, text);
    const bool fitsInt16 = reference && *reference >= INT16_MIN && *reference <= INT16_MAX;
    require(as16.has_value() == fitsInt16, "toInt16 accepts exactly the whole numbers in range");
    if (as16) {
        require(*as16 == *reference, "toInt16 reads the number's value");
        require(corvallo::toInt16(std::to_string(*as16)) == *as16,
                "a returned int16 formats to a text that reads back the same");
    }

    const auto asBoolean = attempt([](std::string_view t) { return corvallo::toBoolean(t); }, text);
    if (as32) {
        require(asBoolean == (*as32 != 0), "a whole number reads as a boolean: 0 false, else true");
    }
    if (asBoolean) {
        require(corvallo::toBoolean(corvallo::flagText(*asBoolean)) == *asBoolean,
                "a returned boolean formats to a flag that reads back the same");
        require(corvallo::isTrueFlag(corvallo::flagText(*asBoolean)) == *asBoolean,
                "the flag of a boolean is True exactly when it is true");
        const std::string_view word = trimSpaces(text);
        if (equalsIgnoringCase(word, "true") || equalsIgnoringCase(word, "false")) {
            require(*asBoolean == equalsIgnoringCase(word, "true"), "True and False in any case");
        } else {
            const auto nonZero = referenceNumberIsNonZero(text);
            require(nonZero.has_value(), "toBoolean accepts only True, False or a number");
            require(*asBoolean == *nonZero, "a number reads as a boolean: 0 false, else true");
        }
    }
    return 0;
}
