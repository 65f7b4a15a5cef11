#pragma once

#include <string>
#include <vector>

namespace corvallo::faults {

// The Markdown table of the bad-input outcomes, build/windows/
// bad-input-outcomes.md. ctest runs every case in a process of its own, so
// each case stores its row in a side file and the table is written anew
// from all rows stored so far, in the order of `caseOrder`.
void recordOutcome(const std::vector<std::wstring>& caseOrder, const std::wstring& caseName,
                   const std::wstring& row);

}  // namespace corvallo::faults
