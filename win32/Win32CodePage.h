#pragma once

#include <array>
#include <optional>
#include <unordered_map>

#include "core/ports/CodePage.h"

namespace corvallo {

// The system's ANSI code page (CP_ACP), read once at construction into a
// table of its 256 codes and the reverse of that table.
class Win32CodePage final : public CodePage {
  public:
    Win32CodePage();

    [[nodiscard]] std::optional<unsigned char> toCode(char32_t character) const override;
    [[nodiscard]] char32_t fromCode(unsigned char code) const override;

  private:
    std::array<char32_t, 256> characters_{};
    std::unordered_map<char32_t, unsigned char> codes_;
};

}  // namespace corvallo
