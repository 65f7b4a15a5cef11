#pragma once

namespace corvallo::qt {

// Whether the desktop runs a notification area, found without asking Qt.
// Qt decides once per process, on its first question about the tray, whether
// its icons are StatusNotifierItems: asked before the desktop's watcher is on
// the session bus (a start at log-on may come before the panel), it keeps to
// XEmbed for good, which a Wayland session or a panel without an XEmbed tray
// never shows. So the program asks Qt only once an area is known to be up.
[[nodiscard]] bool statusNotifierWatcherOnBus();
// An XEmbed tray: an owner of the X screen's tray selection (X11 only).
[[nodiscard]] bool xembedTrayOnDisplay();

}  // namespace corvallo::qt
