#pragma once

namespace corvallo {

// The title of every message box, and the program's name in its captions.
inline constexpr const char* kAppTitle = "Corvallo";
inline constexpr const char* kWindowCaption = "Corvallo v1.10";

}  // namespace corvallo
