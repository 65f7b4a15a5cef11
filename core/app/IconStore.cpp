#include "core/app/IconStore.h"

#include "core/app/Steps.h"

namespace corvallo {

void IconStore::ensureLoaded() {
    if (loaded_) {
        return;
    }
    view_.load();
    loaded_ = true;
    attempt([&] { view_.makeTransparent(); });
}

void IconStore::close() {
    if (loaded_) {
        loaded_ = false;
        view_.close();
    }
}

}  // namespace corvallo
