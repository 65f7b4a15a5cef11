#pragma once

#include "core/views/IconStoreView.h"

namespace corvallo {

// The hidden window that keeps the program's icons. It is created on first
// use and then stays, hidden, until the program ends.
class IconStore {
  public:
    // The position of the program icon in the store's icon list.
    static constexpr int kProgramIcon = 31;

    // `view` must outlive the store.
    explicit IconStore(IconStoreView& view) : view_(view) {}

    // Creates and loads the window the first time; later calls do nothing.
    void ensureLoaded();
    void close();
    [[nodiscard]] bool loaded() const { return loaded_; }

  private:
    IconStoreView& view_;
    bool loaded_ = false;
};

}  // namespace corvallo
