#include "linux/FileErrors.h"

#include <cerrno>
#include <cstring>

#include "core/ports/PlatformError.h"

namespace corvallo {

void throwLastError() {
    // errno is read once: building the message may change it.
    const int error = errno;
    throw PlatformError(error, std::strerror(error));
}

}  // namespace corvallo
