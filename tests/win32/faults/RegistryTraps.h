#pragma once

#include <windows.h>

#include <optional>

namespace corvallo::faults {

// Faults made in the real registry of the Wine prefix, and a log-off. Wine ignores
// access control lists, so a key is made unwritable through its structure.

// Recreates the program's application key as a volatile key: a volatile key
// cannot hold a non-volatile subkey, so "Settings" can never be created and
// every write of a setting fails. Undone by Registry::clearSettings().
// False when the prefix still lets the key be created.
[[nodiscard]] bool makeSettingsUnwritable();

// Replaces the Run key by a volatile symbolic link to a key that cannot be
// created (it would be a non-volatile child of a volatile key), after saving
// the Run key's values. Returns the status that creating the Run key for
// writing now gives, or nothing when the trap does not hold here (it is then
// undone).
[[nodiscard]] std::optional<LSTATUS> makeRunKeyUnwritable();
// Puts the real Run key and its saved values back; harmless when no trap is
// set, so every test calls it first in case an earlier one was killed.
void restoreRunKey();

// Runs "wineboot -e" to its end: the end-session messages of a log-off.
[[nodiscard]] bool endSession();

}  // namespace corvallo::faults
