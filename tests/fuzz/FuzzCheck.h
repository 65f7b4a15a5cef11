#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace corvallo::fuzz {

// A broken invariant: says which one and aborts, which libFuzzer reports as a
// crash and saves with the input that caused it.
inline void require(bool holds, const char* invariant) {
    if (!holds) {
        std::fprintf(stderr, "invariant broken: %s\n", invariant);
        std::abort();
    }
}

[[nodiscard]] inline std::string_view bytesAsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

}  // namespace corvallo::fuzz
