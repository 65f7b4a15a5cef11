#pragma once

#include <QIcon>
#include <memory>

#include "core/views/IconStoreView.h"

class QWidget;

namespace corvallo::qt {

// The icon store: a top-level widget that is never shown and keeps the
// program's icon list. Position 31 is the program icon; the positions before
// it are never read and hold the same icon, so the position stays where the
// rest of the program expects it.
class IconStoreWindow final : public IconStoreView {
  public:
    static constexpr int kIconCount = 31;

    IconStoreWindow();
    ~IconStoreWindow() override;

    void load() override;
    void makeTransparent() override;
    void close() override;

    // The icon at `position` (1 to 31); throws when the store is not loaded or
    // the position is outside the list.
    [[nodiscard]] QIcon icon(int position) const;

    // The program icon as the program ships it, for the windows' first icon.
    [[nodiscard]] static QIcon programIcon();

  private:
    std::unique_ptr<QWidget> window_;
    QList<QIcon> icons_;
};

}  // namespace corvallo::qt
