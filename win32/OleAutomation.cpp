#include "win32/OleAutomation.h"

#include "win32/SystemLibrary.h"

namespace corvallo::win32::ole_automation {
namespace {

const SystemLibrary& library() {
    static const SystemLibrary loaded(L"oleaut32.dll");
    return loaded;
}

template <class Function>
Function* function(const char* name) {
    return library().function<Function>(name);
}

}  // namespace

HRESULT dateFromText(const wchar_t* text, LCID locale, ULONG flags, DATE* date) {
    static auto* const fromText = function<decltype(VarDateFromStr)>("VarDateFromStr");
    if (fromText == nullptr) {
        return HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND);
    }
    // MinGW declares the string parameter without const; it is not written.
    return fromText(const_cast<wchar_t*>(text), locale, flags, date);
}

INT variantTimeToSystemTime(DATE date, SYSTEMTIME* time) {
    static auto* const toSystemTime =
        function<decltype(VariantTimeToSystemTime)>("VariantTimeToSystemTime");
    if (toSystemTime == nullptr) {
        return FALSE;
    }
    return toSystemTime(date, time);
}

}  // namespace corvallo::win32::ole_automation
