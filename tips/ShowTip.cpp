#include <stdexcept>
#include <string>

#include "app/Skip.h"
#include "tips/TipCatalogue.h"
#include "ui/FrmMain.h"

namespace corvallo {
namespace {

void requirePicture(std::int16_t index) {
    if (index < 1 || index > kTipCount) {
        throw std::out_of_range("no picture for tip " + std::to_string(index));
    }
}

}  // namespace

// Each step stands alone: an index without a picture keeps the pictures on
// show, one outside the catalogue keeps the text, and the index is stored
// whatever it is.
void FrmMain::ShowTip(std::int16_t index) {
    skipOnFailure([&] {
        requirePicture(index);
        view().setCardPicture(index);
    });
    skipOnFailure([&] {
        requirePicture(index);
        view().setCardPicture2(index);
    });
    skipOnFailure([&] {
        if (index < 0 || index > kTipCount) {
            throw std::out_of_range("no text for tip " + std::to_string(index));
        }
        view().setCardDescription(std::string(TipCatalogue[index]));
    });
    skipOnFailure([&] { settings().write("Card", std::to_string(index)); });
}

}  // namespace corvallo
