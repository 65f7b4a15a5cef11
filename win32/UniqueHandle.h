#pragma once

#include <windows.h>

#include <utility>

namespace corvallo::win32 {

// Owns one Windows handle and frees it with `Free` when it goes or is
// replaced: fonts, brushes and pens (DeleteObject), menus (DestroyMenu),
// icons (DestroyIcon). Movable, not copyable.
template <class Handle, auto Free>
class UniqueHandle {
  public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    ~UniqueHandle() { reset(); }

    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            reset(other.release());
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    [[nodiscard]] Handle get() const { return handle_; }
    [[nodiscard]] explicit operator bool() const { return handle_ != nullptr; }

    // Frees the handle held, if any, and holds `handle` instead.
    void reset(Handle handle = nullptr) {
        Handle old = std::exchange(handle_, handle);
        if (old != nullptr) {
            Free(old);
        }
    }

    // Gives the handle up without freeing it.
    [[nodiscard]] Handle release() { return std::exchange(handle_, nullptr); }

  private:
    Handle handle_ = nullptr;
};

inline void deleteGdiObject(HGDIOBJ object) {
    DeleteObject(object);
}
inline void destroyMenu(HMENU menu) {
    DestroyMenu(menu);
}
inline void destroyIcon(HICON icon) {
    DestroyIcon(icon);
}

using FontHandle = UniqueHandle<HFONT, &deleteGdiObject>;
using BrushHandle = UniqueHandle<HBRUSH, &deleteGdiObject>;
using PenHandle = UniqueHandle<HPEN, &deleteGdiObject>;
using MenuHandle = UniqueHandle<HMENU, &destroyMenu>;
using IconHandle = UniqueHandle<HICON, &destroyIcon>;

}  // namespace corvallo::win32
