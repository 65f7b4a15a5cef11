#include "win32/LinkRole.h"

#include <oleacc.h>

#include "core/ports/PlatformError.h"
#include "win32/Apartment.h"

namespace corvallo::win32 {
namespace {

// Written out rather than taken from MinGW's import library, whose
// interface-id data does not hold the ids when linked statically.
constexpr CLSID kAccPropServices = {
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr IID kAccPropServicesInterface = {
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
constexpr GUID kRoleProperty = {
    0xcb905ff2, 0x7bd1, 0x4c05, {0xb3, 0xc8, 0xe6, 0xc2, 0x41, 0x36, 0x4d, 0x70}};

void check(HRESULT result, const char* what) {
    if (FAILED(result)) {
        throw PlatformError(static_cast<long>(result), what);
    }
}

}  // namespace

void annotateLinkRole(HWND link) {
    joinApartment();
    IAccPropServices* services = nullptr;
    check(CoCreateInstance(kAccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                           kAccPropServicesInterface, reinterpret_cast<void**>(&services)),
          "accessibility annotation service");
    VARIANT role{};
    role.vt = VT_I4;
    role.lVal = ROLE_SYSTEM_LINK;
    const HRESULT result = services->SetHwndProp(link, static_cast<DWORD>(OBJID_CLIENT),
                                                 CHILDID_SELF, kRoleProperty, role);
    services->Release();
    check(result, "link role annotation");
}

}  // namespace corvallo::win32
