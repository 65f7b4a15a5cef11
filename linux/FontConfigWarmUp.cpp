#include "linux/FontConfigWarmUp.h"

#include <fontconfig/fontconfig.h>

namespace corvallo::qt {

// FcInit's result is not needed here: where the configuration cannot be
// read, Qt's own call finds that out and falls back as it always has.
FontConfigWarmUp::FontConfigWarmUp() : reading_([] { static_cast<void>(FcInit()); }) {}

FontConfigWarmUp::~FontConfigWarmUp() {
    join();
}

void FontConfigWarmUp::join() {
    if (reading_.joinable()) {
        reading_.join();
    }
}

}  // namespace corvallo::qt
