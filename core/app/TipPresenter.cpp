#include "core/app/TipPresenter.h"

#include <stdexcept>
#include <string>

#include "core/app/Steps.h"
#include "core/model/SettingsKeys.h"
#include "core/model/TipCatalogue.h"

namespace corvallo {
namespace {

void requirePicture(std::int16_t index) {
    if (index < 1 || index > kTipCount) {
        throw std::out_of_range("no picture for tip " + std::to_string(index));
    }
}

}  // namespace

void TipPresenter::showTip(std::int16_t index) {
    attempt([&] {
        requirePicture(index);
        view_.setTipPicture(index);
    });
    attempt([&] {
        requirePicture(index);
        view_.setSettingsPicture(index);
    });
    attempt([&] {
        if (index < 0 || index > kTipCount) {
            throw std::out_of_range("no text for tip " + std::to_string(index));
        }
        view_.setTipText(std::string(kTips[index]));
    });
    attempt([&] { settings_.write(settings::kCard, std::to_string(index)); });
}

std::int16_t TipPresenter::drawTip() {
    return tipIndexFromDraw(random_.next());
}

void TipPresenter::showRandomTip() {
    const std::int16_t index = drawTip();
    if (index < 1 || index > kTipCount) {
        throw std::out_of_range("draw outside the catalogue: " + std::to_string(index));
    }
    view_.setTipPicture(index);
    view_.setSettingsPicture(index);
    view_.setTipText(std::string(kTips[index]));
    settings_.write(settings::kCard, std::to_string(index));
}

}  // namespace corvallo
