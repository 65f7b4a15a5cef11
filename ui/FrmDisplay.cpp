#include "ui/FrmDisplay.h"

#include "app/Skip.h"

namespace corvallo {

void FrmDisplay::IMGIcon() {
    if (loaded_) {
        return;
    }
    view_.load();
    loaded_ = true;
    Form_Load();
}

void FrmDisplay::Form_Load() {
    skipOnFailure([&] { view_.makeTransparent(); });
}

void FrmDisplay::close() {
    if (loaded_) {
        loaded_ = false;
        view_.close();
    }
}

}  // namespace corvallo
