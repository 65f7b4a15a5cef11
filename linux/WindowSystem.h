#pragma once

#include <QWidget>

namespace corvallo::qt {

// What the window system lets the program do to its own top-level windows.
// On X11 the program places, raises and activates them. Wayland leaves all
// three to the compositor: a window goes where the compositor puts it, and
// a program may only ask for the keyboard focus with a token the compositor
// hands out for a user's action, which a timed display never has.
[[nodiscard]] bool programPlacesWindows();

// Moves `window` so that its frame is centred on the primary screen, where
// the window system lets the program place it; throws without a screen.
void centreOnScreen(QWidget& window);

// Shows `window`, not minimised, in front of the user: raised and activated
// where the window system allows it. Under Wayland, which lets a program
// neither raise nor un-minimise its window (nor tells it that the window was
// minimised), a shown window that is not the active one is taken down and
// shown anew, as a new window that compositors put on screen, and its
// taskbar entry is flagged for attention.
void showInFront(QWidget& window);

}  // namespace corvallo::qt
