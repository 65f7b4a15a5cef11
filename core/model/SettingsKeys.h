#pragma once

#include <string_view>

// Where the program's settings live and what each one is called. The names
// are what the store holds, so existing installations depend on them.
namespace corvallo::settings {

// The store's section for every key below; on Windows the registry path
// <root>\<application>\<section> under HKEY_CURRENT_USER.
inline constexpr std::string_view kRegistryRoot = "Software\\VB and VBA Program Settings";
inline constexpr std::string_view kSection = "Settings";

// The display time, each part the text of its list entry.
inline constexpr std::string_view kHour = "Hour";
inline constexpr std::string_view kMinute = "Minute";
inline constexpr std::string_view kSecond = "Second";
// The first day on which a new tip is due, in the user's short date format.
inline constexpr std::string_view kDate = "Date";
// The index of the tip on show.
inline constexpr std::string_view kCard = "Card";
// The start-up choices as the settings panel last saved them.
inline constexpr std::string_view kAutorunStartUp = "AutorunStartUp";
inline constexpr std::string_view kSystemTray = "SystemTray";
// The "Start at system tray" box as the user last left it.
inline constexpr std::string_view kRunAtSysTray = "RunAtSysTray";
// The update reminder's last check; stored scrambled (see Scramble.h).
inline constexpr std::string_view kDuration = "Duration";

}  // namespace corvallo::settings
