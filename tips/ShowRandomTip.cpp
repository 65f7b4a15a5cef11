#include "tips/ShowRandomTip.h"

#include <cmath>
#include <stdexcept>
#include <string>

#include "tips/TipCatalogue.h"
#include "ui/FrmMain.h"

namespace corvallo::modMoonPhase {

std::int16_t tipIndexFromDraw(double r) {
    return static_cast<std::int16_t>(std::floor(r * kTipCount + 1));
}

void ShowRandomTip(FrmMain& form) {
    const std::int16_t index = tipIndexFromDraw(form.ports().random.next());
    if (index < 1 || index > kTipCount) {
        throw std::out_of_range("draw outside the catalogue: " + std::to_string(index));
    }
    form.view().setCardPicture(index);
    form.view().setCardPicture2(index);
    form.view().setCardDescription(std::string(TipCatalogue[index]));
    form.settings().write("Card", std::to_string(index));
}

}  // namespace corvallo::modMoonPhase
