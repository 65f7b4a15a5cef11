#pragma once

#include <string>

#include "platform/NonCopyable.h"

namespace corvallo {

// The program's one icon in the notification area. Its mouse messages reach
// the program through FrmMain::picHook_MouseDown.
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
