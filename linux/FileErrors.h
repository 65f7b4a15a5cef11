#pragma once

namespace corvallo {

// Throws PlatformError with the error number and its description.
[[noreturn]] void throwError(int error);

// The same for errno. Qt's file classes leave errno as the system call that
// failed set it; their own error codes are too coarse for the message (a
// folder and a file in the way are both an OpenError).
[[noreturn]] void throwLastError();

}  // namespace corvallo
