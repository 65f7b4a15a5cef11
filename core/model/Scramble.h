#pragma once

#include <string>
#include <string_view>

#include "core/ports/CodePage.h"

namespace corvallo {

// The update reminder keeps its key and value shifted by 85 in the ANSI code
// page, so that neither is readable in the store. A character whose shifted
// code falls outside 0 to 255 (or that the code page lacks) is dropped.
[[nodiscard]] std::string scramble(std::string_view text, const CodePage& codePage);
[[nodiscard]] std::string unscramble(std::string_view text, const CodePage& codePage);

// True when every character survives scramble().
[[nodiscard]] bool survivesScrambling(std::string_view text, const CodePage& codePage);

}  // namespace corvallo
