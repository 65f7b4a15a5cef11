#include "win32/CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "win32/Utf16.h"

namespace corvallo::win32 {
namespace {

TEST(CommandLineTest, ArgumentTextFollowsTheProgramPath) {
    struct Case {
        std::wstring commandLine;
        std::wstring arguments;
    };
    const std::vector<Case> cases = {
        {L"Corvallo.exe", L""},
        {L"Corvallo.exe /autorun", L"/autorun"},
        {L"C:\\Corvallo\\Corvallo.exe   /a  /b ", L"/a  /b "},
        {L"Corvallo.exe\t/tab", L"/tab"},
        {L"\"C:\\Program Files\\Корвалло\\Corvallo.exe\" /autorun", L"/autorun"},
        {L"\"C:\\Program Files\\Corvallo\\Corvallo.exe\"", L""},
        {L"\"C:\\Program Files\\Corvallo\\Corvallo.exe\"   ", L""},
        {L"\"C:\\Corvallo.exe\"/x", L"/x"},
        {L"\"C:\\Corvallo.exe\" \"quoted argument\" plain", L"\"quoted argument\" plain"},
        {L"\"C:\\Unclosed quote\\Corvallo.exe /x", L""},
        {L"C:\\Pro\"gram\\Corvallo.exe x", L"x"},
        {L"", L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(toUtf8(c.commandLine));
        EXPECT_EQ(argumentText(c.commandLine), c.arguments);
    }
}

}  // namespace
}  // namespace corvallo::win32
