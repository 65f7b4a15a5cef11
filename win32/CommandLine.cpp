#include "win32/CommandLine.h"

namespace corvallo::win32 {

namespace {

bool isBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

}  // namespace

std::wstring_view argumentText(std::wstring_view commandLine) {
    std::size_t i = 0;
    if (!commandLine.empty() && commandLine.front() == L'"') {
        // A closing quote ends the path even when no blank follows it.
        const std::size_t closing = commandLine.find(L'"', 1);
        i = closing == std::wstring_view::npos ? commandLine.size() : closing + 1;
    } else {
        while (i < commandLine.size() && !isBlank(commandLine[i])) {
            ++i;
        }
    }
    while (i < commandLine.size() && isBlank(commandLine[i])) {
        ++i;
    }
    return commandLine.substr(i);
}

}  // namespace corvallo::win32
