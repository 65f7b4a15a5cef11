#pragma once

#include <string>

#include "core/ports/NonCopyable.h"

namespace corvallo {

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { None, Exclamation, Information };
enum class MessageAnswer { Ok, Yes, No };

struct Message {
    std::string text;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    std::string title;
};

class MessageDialog : NonCopyable {
  public:
    virtual ~MessageDialog() = default;

    // Shows a modal message box and returns the button pressed. A Yes/No
    // question can only be left through one of its two buttons. Throws when
    // the box cannot be shown.
    virtual MessageAnswer show(const Message& message) = 0;
};

}  // namespace corvallo
