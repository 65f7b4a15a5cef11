#pragma once

#include <string>

#include "core/ports/NonCopyable.h"

namespace corvallo {

// What the user did to the notification icon. Which mouse action counts as
// which gesture is the platform's convention.
enum class TrayGesture {
    Activate,  // the icon's default action: bring the program back
    OpenMenu,  // the icon's context menu
};

// The program's one icon in the notification area. Its gestures reach the
// program through the front-end, which hands them to the main presenter.
class TrayIcon : NonCopyable {
  public:
    virtual ~TrayIcon() = default;

    // Adds the icon with the main window's current icon and the tooltip. An add
    // while the icon is present leaves the present icon as it is.
    virtual void add(const std::string& tooltip) = 0;

    // Deletes the icon; harmless when there is none.
    virtual void remove() = 0;
};

}  // namespace corvallo
