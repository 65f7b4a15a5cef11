#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvallo {

// The text of an INI file, read and changed one value at a time while every
// other line stays byte for byte as it was. Not QSettings: it matches keys by
// case, rewrites the whole file without its comments, and escapes in its own
// way (KeysMatchWithoutRegardToAsciiCaseAndKeepTheirSpelling,
// WriteChangesOneLineOfAHandEditedFileAndKeepsTheRest).
//
// The format:
//   [Section]
//   key=value
// - A line holding "[name]" starts a section. Blank lines and lines starting
//   with ';' or '#' are comments; a value runs to the end of its line, so
//   there is no comment after it. Lines of any other form are kept but mean
//   nothing. Lines may end in LF or CR LF; a UTF-8 byte order mark at the
//   start is skipped.
// - Section names and keys are matched without regard to ASCII case, so a
//   key typed by hand as "lastdate" is the program's "LastDate". Blanks and
//   tabs around keys and values are not part of them, so "Key = value" reads
//   as "Key=value".
// - In keys and values a backslash starts an escape: \\ backslash, \n line
//   feed, \r carriage return, \t tab, \s blank, \xHH the byte HH. Writing
//   uses \\, \n, \r, \t, \s for a blank at either end, and \xHH for other
//   control characters and, in keys, for '=' and a leading '[', ';' or '#'.
//   Every other byte, UTF-8 included, is written as it is. A backslash
//   followed by anything else is kept as it stands.
// - When a key appears more than once in a section, the first one counts.
//   A section may appear more than once; its lines are read in file order.
class IniDocument {
  public:
    explicit IniDocument(std::string_view text);

    [[nodiscard]] std::optional<std::string> value(std::string_view section,
                                                   std::string_view key) const;

    // Replaces the value of the key's first line in the section, keeping the
    // key as written there; else adds "key=value" after the section's last
    // non-blank line, or, without the section, adds the section at the end.
    void setValue(std::string_view section, std::string_view key, std::string_view value);

    [[nodiscard]] std::string text() const;

  private:
    struct Line {
        std::string content;  // without the line ending
        bool crlf = false;
    };

    [[nodiscard]] bool opensSection(std::size_t index, std::string_view section) const;
    [[nodiscard]] std::optional<std::size_t> keyLine(std::string_view section,
                                                     std::string_view key) const;

    std::vector<Line> lines_;
    bool finalLineEnded_ = true;
};

}  // namespace corvallo
