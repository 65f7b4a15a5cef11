#pragma once

#include <string>
#include <string_view>

#include "core/ports/CodePage.h"

namespace corvallo {

// The update reminder keeps its key and value scrambled, so that neither is
// readable in the store: the text's bytes in the ANSI code page, each shifted
// by 85. A character that the code page lacks, or one with a byte that the
// shift takes outside 0 to 255, is dropped.
//
// The store keeps Unicode text, so the shifted bytes are stored as the
// characters the code page turns them into: the form installed copies hold.
// On a double-byte or UTF-8 code page most shifted bytes are lead bytes or
// broken sequences that do not come back from that conversion; there the
// shifted bytes are stored instead as '#' and two upper-case hex digits a
// byte. The first form never holds ASCII below 'U' (every shifted byte is 85
// or more, and no code page turns such a byte into one of those), so a '#'
// followed by hex digits tells the second form apart.
[[nodiscard]] std::string scramble(std::string_view text, const CodePage& codePage);
[[nodiscard]] std::string unscramble(std::string_view text, const CodePage& codePage);

// True when the text comes back whole from scramble() and unscramble().
[[nodiscard]] bool survivesScrambling(std::string_view text, const CodePage& codePage);

}  // namespace corvallo
