#pragma once

#include "core/ports/CodePage.h"

namespace corvallo {

// The system's ANSI code page (CP_ACP), converted the way the registry's
// ANSI functions convert it: MultiByteToWideChar and WideCharToMultiByte
// with their default flags. Throws PlatformError when a conversion fails.
class Win32CodePage final : public CodePage {
  public:
    [[nodiscard]] std::string toUnicode(std::string_view bytes) const override;
    [[nodiscard]] std::string toBytes(std::string_view text) const override;
};

}  // namespace corvallo
