#pragma once

#include "ui/IconStoreView.h"

namespace corvallo {

// The hidden window that keeps the program's icons. It is created on first
// use and then stays, hidden, until the program ends.
class FrmDisplay {
  public:
    // The position of the program icon in the store's icon list.
    static constexpr int kProgramIcon = 31;

    explicit FrmDisplay(IconStoreView& view) : view_(view) {}

    // Access to the icon list; the first access creates and loads the window.
    void IMGIcon();
    void close();
    [[nodiscard]] bool loaded() const { return loaded_; }

  private:
    void Form_Load();

    IconStoreView& view_;
    bool loaded_ = false;
};

}  // namespace corvallo
