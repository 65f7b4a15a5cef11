#include "win32/OleAutomation.h"

namespace corvallo::win32::ole_automation {
namespace {

// Loaded once and kept until the process ends, as an import would be.
HMODULE library() {
    static const HMODULE loaded =
        LoadLibraryExW(L"oleaut32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return loaded;
}

template <class Function>
Function* function(const char* name) {
    HMODULE module = library();
    if (module == nullptr) {
        return nullptr;
    }
    // GetProcAddress returns a generic function pointer; the cast through
    // void* keeps compilers from warning about the cast between function types.
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name)));
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
