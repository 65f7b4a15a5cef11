#pragma once

#include <string>
#include <string_view>

#include "core/model/Utf8.h"
#include "core/ports/CodePage.h"

namespace corvallo::fakes {

// An ANSI code page by its number, with the traits of the real one that
// decide what survives a conversion to Unicode and back:
// - single-byte (874, 1250 to 1258): every byte is a character; the bytes the
//   code page leaves undefined map, as Windows maps them, to characters of
//   their own and back;
// - double-byte (932, 936, 949, 950): a lead byte and a valid trail byte are
//   one character; a lead byte without one becomes the default character '?'
//   and the next byte is read on its own; so does a pair in a row of 932
//   that holds no characters (leads 0x85, 0x86, 0xEB, 0xEC), both bytes
//   together;
// - UTF-8 (65001): bytes 0x80 and above must form a UTF-8 sequence; each
//   broken one becomes U+FFFD.
// Characters stand in for the real ones: ASCII below 0x80, U+F700 plus the
// byte for another single byte, U+F0000 plus lead * 256 + trail for a pair.
class FakeCodePage final : public CodePage {
  public:
    explicit FakeCodePage(int number) : number_(number) {}

    [[nodiscard]] std::string toUnicode(std::string_view bytes) const override {
        if (number_ == 65001) {
            std::string text;
            for (const char32_t character : decodeUtf8(bytes)) {
                appendUtf8(text, character);
            }
            return text;
        }
        std::string text;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            const auto byte = static_cast<unsigned char>(bytes[i]);
            if (!isLead(byte)) {
                appendUtf8(text, byte < 0x80 ? byte : kSingle + byte);
            } else if (i + 1 < bytes.size() && isTrail(static_cast<unsigned char>(bytes[i + 1]))) {
                const auto trail = static_cast<unsigned char>(bytes[++i]);
                if (isEmptyRow(byte)) {
                    text += '?';
                } else {
                    appendUtf8(text, kPair + byte * 256 + trail);
                }
            } else {
                text += '?';
            }
        }
        return text;
    }

    [[nodiscard]] std::string toBytes(std::string_view text) const override {
        if (number_ == 65001) {
            return toUnicode(text);
        }
        std::string bytes;
        for (const char32_t character : decodeUtf8(text)) {
            const unsigned byte = character - kSingle;
            const unsigned lead = (character - kPair) / 256;
            const unsigned trail = (character - kPair) % 256;
            if (character < 0x80) {
                bytes += static_cast<char>(character);
            } else if (character >= kSingle && byte >= 0x80 && byte <= 0xFF && !isLead(byte)) {
                bytes += static_cast<char>(byte);
            } else if (character >= kPair && lead <= 0xFF && isLead(lead) && !isEmptyRow(lead) &&
                       isTrail(trail)) {
                bytes += static_cast<char>(lead);
                bytes += static_cast<char>(trail);
            } else {
                bytes += '?';
            }
        }
        return bytes;
    }

  private:
    static constexpr char32_t kSingle = 0xF700;
    static constexpr char32_t kPair = 0xF0000;

    [[nodiscard]] bool isLead(unsigned byte) const {
        switch (number_) {
            case 932:
                return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
            case 936:
            case 949:
            case 950:
                return byte >= 0x81 && byte <= 0xFE;
            default:
                return false;
        }
    }

    [[nodiscard]] bool isEmptyRow(unsigned lead) const {
        return number_ == 932 && (lead == 0x85 || lead == 0x86 || lead == 0xEB || lead == 0xEC);
    }

    [[nodiscard]] bool isTrail(unsigned byte) const {
        switch (number_) {
            case 932:
                return byte >= 0x40 && byte <= 0xFC && byte != 0x7F;
            case 936:
                return byte >= 0x40 && byte <= 0xFE && byte != 0x7F;
            case 949:
                return (byte >= 0x41 && byte <= 0x5A) || (byte >= 0x61 && byte <= 0x7A) ||
                       (byte >= 0x81 && byte <= 0xFE);
            case 950:
                return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0xA1 && byte <= 0xFE);
            default:
                return false;
        }
    }

    int number_;
};

}  // namespace corvallo::fakes
