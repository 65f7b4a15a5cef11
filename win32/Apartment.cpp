#include "win32/Apartment.h"

#include <objbase.h>

namespace corvallo::win32 {

void joinApartment() {
    [[maybe_unused]] static const HRESULT joined =
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
}

}  // namespace corvallo::win32
