#pragma once

#include <string>

#include "platform/NonCopyable.h"

namespace corvallo {

// Message-box style numbers and answers, as the platform numbers them.
namespace mb {
inline constexpr int kOkOnly = 0;
inline constexpr int kYesNo = 4;
inline constexpr int kExclamation = 48;
inline constexpr int kInformation = 64;

inline constexpr int kIdOk = 1;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;
}  // namespace mb

class MessageDialog : NonCopyable {
  public:
    virtual ~MessageDialog() = default;

    // Shows a modal message box and returns the button pressed.
    virtual int show(const std::string& text, int style, const std::string& title) = 0;
};

}  // namespace corvallo
