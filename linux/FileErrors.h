#pragma once

namespace corvallo {

// Throws PlatformError with errno and its description.
[[noreturn]] void throwLastError();

}  // namespace corvallo
