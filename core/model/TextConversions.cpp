#include "core/model/TextConversions.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace corvallo {
namespace {

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// from_chars takes a minus sign but not a plus sign, so a plus is dropped
// first. A minus right after it ("+-5") is a second sign: nothing is left then.
std::string_view dropPlusSign(std::string_view text) {
    if (text.empty() || text.front() != '+') {
        return text;
    }
    text.remove_prefix(1);
    return !text.empty() && text.front() == '-' ? std::string_view{} : text;
}

template <class Int>
Int toWhole(std::string_view text) {
    const std::string_view digits = dropPlusSign(trimBlanks(text));
    if (digits.empty() || (digits.front() == '-' && digits.size() == 1)) {
        throw ConversionError("not a number: '" + std::string(text) + "'");
    }
    Int value{};
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error == std::errc::result_out_of_range) {
        throw ConversionError("number out of range: '" + std::string(text) + "'");
    }
    if (error != std::errc{} || end != digits.data() + digits.size()) {
        throw ConversionError("not a number: '" + std::string(text) + "'");
    }
    return value;
}

bool equalsIgnoringCase(std::string_view text, std::string_view word) {
    if (text.size() != word.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        if (lower != word[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::int16_t toInt16(std::string_view text) {
    return toWhole<std::int16_t>(text);
}

std::int32_t toInt32(std::string_view text) {
    return toWhole<std::int32_t>(text);
}

bool toBoolean(std::string_view text) {
    const std::string_view word = trimBlanks(text);
    if (equalsIgnoringCase(word, "true")) {
        return true;
    }
    if (equalsIgnoringCase(word, "false")) {
        return false;
    }
    const std::string_view number = dropPlusSign(word);
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value,
                                              std::chars_format::fixed);
    if (number.empty() || error != std::errc{} || end != number.data() + number.size() ||
        !std::isfinite(value)) {
        throw ConversionError("not a boolean: '" + std::string(text) + "'");
    }
    return value != 0;
}

}  // namespace corvallo
