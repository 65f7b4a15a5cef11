#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace corvallo::win32 {

// The items and the selection of a drop-down list that is never on screen,
// kept as data instead of in a combo box. It answers the view's calls as a
// drop-down list combo box does: no selection (-1) after filling, -1 clears
// the selection, and an index outside the items is refused. A refused index
// leaves the selection as it was (combo boxes differ there: some clear it).
class OffScreenList {
  public:
    void fill(std::vector<std::string> items) {
        items_ = std::move(items);
        index_ = -1;
    }
    [[nodiscard]] int itemCount() const { return static_cast<int>(items_.size()); }
    [[nodiscard]] const std::string& item(int index) const {
        if (index < 0 || index >= itemCount()) {
            throw std::out_of_range("list item");
        }
        return items_[static_cast<std::size_t>(index)];
    }
    [[nodiscard]] int index() const { return index_; }
    void setIndex(int index) {
        if (index < -1 || index >= itemCount()) {
            throw std::out_of_range("list index");
        }
        index_ = index;
    }

  private:
    std::vector<std::string> items_;
    int index_ = -1;
};

}  // namespace corvallo::win32
