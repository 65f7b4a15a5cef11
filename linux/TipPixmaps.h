#pragma once

#include <QPixmap>
#include <QSize>

namespace corvallo::qt {

// The picture of the tip with this index (1 to 30) at `size` device-independent
// pixels, drawn from the 2x picture on screens scaled above 100 %. Throws
// std::out_of_range for an index outside the catalogue.
[[nodiscard]] QPixmap tipPixmap(int tipIndex, QSize size, qreal devicePixelRatio);

}  // namespace corvallo::qt
