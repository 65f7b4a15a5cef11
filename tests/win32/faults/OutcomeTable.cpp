#include "OutcomeTable.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "FaultHarness.h"

namespace corvallo::faults {
namespace {

std::string utf8(const std::wstring& text) {
    std::string bytes(text.size() * 4 + 1, '\0');
    bytes.resize(static_cast<std::size_t>(
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(),
                            static_cast<int>(bytes.size()), nullptr, nullptr)));
    return bytes;
}

std::wstring wide(const std::string& bytes) {
    std::wstring text(bytes.size(), L'\0');
    text.resize(static_cast<std::size_t>(
        MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(),
                            static_cast<int>(text.size()))));
    return text;
}

std::filesystem::path buildFolder() {
    const std::wstring exe = programPath();
    return std::filesystem::path(exe.substr(0, exe.find_last_of(L'\\')));
}

}  // namespace

void recordOutcome(const std::vector<std::wstring>& caseOrder, const std::wstring& caseName,
                   const std::wstring& row) {
    const auto rowsFile = buildFolder() / "bad-input-outcomes.rows";
    std::map<std::wstring, std::wstring> rows;
    {
        std::ifstream in(rowsFile, std::ios::binary);
        std::string line;
        while (std::getline(in, line)) {
            const auto tab = line.find('\t');
            if (tab != std::string::npos) {
                rows[wide(line.substr(0, tab))] = wide(line.substr(tab + 1));
            }
        }
    }
    rows[caseName] = row;
    {
        std::ofstream out(rowsFile, std::ios::binary | std::ios::trunc);
        for (const auto& [name, text] : rows) {
            out << utf8(name) << '\t' << utf8(text) << '\n';
        }
    }
    std::ofstream table(buildFolder() / "bad-input-outcomes.md",
                        std::ios::binary | std::ios::trunc);
    table << "| Key | Stored value | Start | Message box | Exit | Stored afterwards |\n"
             "|---|---|---|---|---|---|\n";
    for (const auto& name : caseOrder) {
        const auto found = rows.find(name);
        if (found != rows.end()) {
            table << utf8(found->second) << '\n';
        }
    }
}

}  // namespace corvallo::faults
