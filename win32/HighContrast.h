#pragma once

namespace corvallo::win32 {

// Whether the user has turned high contrast on (SPI_GETHIGHCONTRAST with
// HCF_HIGHCONTRASTON). The windows then draw in the system colours instead
// of their own.
[[nodiscard]] bool highContrastOn();

}  // namespace corvallo::win32
