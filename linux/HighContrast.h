#pragma once

class QPalette;

namespace corvallo::qt {

// Whether `palette` is a high-contrast one: window and text as far apart as
// black and white (or black and yellow), a contrast ratio of at least 19.5
// to 1. Desktops' ordinary palettes stay well below (Qt's own light grey
// window with black text is about 18 to 1).
[[nodiscard]] bool isHighContrast(const QPalette& palette);

}  // namespace corvallo::qt
