#pragma once

#include <windows.h>

namespace corvallo::win32 {

// A library of the system loaded on the program's first use of it, rather
// than at the start as an import would be, and then kept until the process
// ends. Only System32 is searched, so no copy beside the program is taken.
// Made as a function's static object, it is loaded on that function's first
// call.
class SystemLibrary {
  public:
    explicit SystemLibrary(const wchar_t* name)
        : module_(LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {}

    // The library's function `name`; null when the library or the function
    // is missing.
    template <class Function>
    [[nodiscard]] Function* function(const char* name) const {
        if (module_ == nullptr) {
            return nullptr;
        }
        // GetProcAddress returns a generic function pointer; the cast through
        // void* keeps compilers from warning about the cast between function
        // types.
        return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
    }

  private:
    HMODULE module_;
};

}  // namespace corvallo::win32
