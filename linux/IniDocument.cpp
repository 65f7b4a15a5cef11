#include "linux/IniDocument.h"

namespace corvallo {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    // A blank written as \s stays: the backslash before it is not blank.
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    c = asciiLower(c);
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

std::string hexEscape(unsigned char byte) {
    constexpr std::string_view digits = "0123456789ABCDEF";
    return {'\\', 'x', digits[byte >> 4], digits[byte & 0xF]};
}

std::string escaped(std::string_view text, bool isKey) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const auto byte = static_cast<unsigned char>(c);
        const bool atAnEnd = i == 0 || i + 1 == text.size();
        if (c == '\\') {
            result += "\\\\";
        } else if (c == '\n') {
            result += "\\n";
        } else if (c == '\r') {
            result += "\\r";
        } else if (c == '\t') {
            result += "\\t";
        } else if (c == ' ' && atAnEnd) {
            result += "\\s";
        } else if (byte < 0x20 || byte == 0x7F) {
            result += hexEscape(byte);
        } else if (isKey && (c == '=' || (i == 0 && (c == '[' || c == ';' || c == '#')))) {
            result += hexEscape(byte);
        } else {
            result += c;
        }
    }
    return result;
}

std::string unescaped(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            result += text[i];
            continue;
        }
        const char next = text[i + 1];
        if (next == '\\') {
            result += '\\';
        } else if (next == 'n') {
            result += '\n';
        } else if (next == 'r') {
            result += '\r';
        } else if (next == 't') {
            result += '\t';
        } else if (next == 's') {
            result += ' ';
        } else if (next == 'x' && i + 3 < text.size() && hexDigit(text[i + 2]) >= 0 &&
                   hexDigit(text[i + 3]) >= 0) {
            result += static_cast<char>(hexDigit(text[i + 2]) * 16 + hexDigit(text[i + 3]));
            i += 2;
        } else {
            result += '\\';
            continue;
        }
        ++i;
    }
    return result;
}

// The text of a line without the byte order mark the file may start with.
std::string_view withoutMark(std::string_view content, std::size_t index) {
    if (index == 0 && content.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        content.remove_prefix(kByteOrderMark.size());
    }
    return content;
}

bool isComment(std::string_view line) {
    return line.empty() || line.front() == ';' || line.front() == '#';
}

// The section name when the (trimmed) line is a section header.
std::optional<std::string_view> sectionName(std::string_view line) {
    if (line.size() < 2 || line.front() != '[' || line.back() != ']') {
        return std::nullopt;
    }
    return trimmed(line.substr(1, line.size() - 2));
}

struct Entry {
    std::string_view key;    // as written, escapes and all
    std::string_view value;  // as written
};

std::optional<Entry> entryOf(std::string_view line) {
    if (isComment(line) || sectionName(line)) {
        return std::nullopt;
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    return Entry{trimmed(line.substr(0, equals)), trimmed(line.substr(equals + 1))};
}

}  // namespace

IniDocument::IniDocument(std::string_view text) {
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        Line line;
        line.content = std::string(text.substr(0, end));
        if (end == std::string_view::npos) {
            finalLineEnded_ = false;
            text = {};
        } else {
            text.remove_prefix(end + 1);
        }
        if (!line.content.empty() && line.content.back() == '\r') {
            line.content.pop_back();
            line.crlf = true;
        }
        lines_.push_back(std::move(line));
    }
}

bool IniDocument::opensSection(std::size_t index, std::string_view section) const {
    const auto name = sectionName(trimmed(withoutMark(lines_[index].content, index)));
    return name && equalIgnoringAsciiCase(*name, section);
}

std::optional<std::size_t> IniDocument::keyLine(std::string_view section,
                                                std::string_view key) const {
    bool inSection = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const std::string_view line = trimmed(withoutMark(lines_[i].content, i));
        if (sectionName(line)) {
            inSection = opensSection(i, section);
            continue;
        }
        const auto entry = entryOf(line);
        if (inSection && entry && equalIgnoringAsciiCase(unescaped(entry->key), key)) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::string> IniDocument::value(std::string_view section,
                                              std::string_view key) const {
    const auto index = keyLine(section, key);
    if (!index) {
        return std::nullopt;
    }
    const std::string_view line = trimmed(withoutMark(lines_[*index].content, *index));
    return unescaped(entryOf(line)->value);
}

void IniDocument::setValue(std::string_view section, std::string_view key, std::string_view value) {
    if (const auto index = keyLine(section, key)) {
        std::string& content = lines_[*index].content;
        content = content.substr(0, content.find('=') + 1) + escaped(value, false);
        return;
    }
    Line added{escaped(key, true) + "=" + escaped(value, false)};
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (!opensSection(i, section)) {
            continue;
        }
        std::size_t last = i;
        for (std::size_t j = i + 1; j < lines_.size() && !sectionName(trimmed(lines_[j].content));
             ++j) {
            if (!trimmed(lines_[j].content).empty()) {
                last = j;
            }
        }
        added.crlf = lines_[last].crlf;
        if (last + 1 == lines_.size()) {
            finalLineEnded_ = true;
        }
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(last) + 1, std::move(added));
        return;
    }
    if (!lines_.empty() && !trimmed(lines_.back().content).empty()) {
        lines_.push_back(Line{});
    }
    lines_.push_back(Line{"[" + std::string(section) + "]"});
    lines_.push_back(std::move(added));
    finalLineEnded_ = true;
}

std::string IniDocument::text() const {
    std::string result;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        result += lines_[i].content;
        if (lines_[i].crlf) {
            result += '\r';
        }
        if (i + 1 < lines_.size() || finalLineEnded_) {
            result += '\n';
        }
    }
    return result;
}

}  // namespace corvallo
