#pragma once

#include <string>

namespace corvallo::xdg {

// The folders of the XDG Base Directory rules that the program uses. The
// environment is read at every call, so a change is seen at once.

// $XDG_CONFIG_HOME when it is set to an absolute path (the rules say to
// ignore a relative one), else $HOME/.config; without a usable HOME, the home
// folder from the password database. Throws PlatformError when there is none.
[[nodiscard]] std::string configHome();

// $XDG_RUNTIME_DIR when it is set to an absolute path, else the private
// folder /tmp/corvallo-<user id>, made by makePrivateFolder. Throws
// PlatformError when that folder cannot be made or is not safe to use.
[[nodiscard]] std::string runtimeDir();

// Creates the folder `path` (its parent must exist) with mode 0700, or takes
// the one that is there when it is a real folder (not a symbolic link) owned
// by the user; access for anyone else is then taken away. Anything else
// throws PlatformError: in a shared folder such as /tmp another user could
// have made the name first to read or steer what the program keeps there.
void makePrivateFolder(const std::string& path);

}  // namespace corvallo::xdg
