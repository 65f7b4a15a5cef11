#include "linux/FileErrors.h"

#include <cerrno>
#include <cstring>

#include "core/ports/PlatformError.h"

namespace corvallo {

void throwError(int error) {
    throw PlatformError(error, std::strerror(error));
}

void throwLastError() {
    // errno is read once: building the message may change it.
    throwError(errno);
}

}  // namespace corvallo
