#pragma once

#include <string_view>

// The layout's names (core/views/MainLayout.cpp) of the controls and menus
// that the front-ends address directly, under names that say what they are.
// Controls that are routed (core/views/Routes.h) are found through the
// routes instead.
namespace corvallo::names {

// The main window.
inline constexpr std::string_view kTipPanel = "fraRune";
inline constexpr std::string_view kSettingsPanel = "fraSettings";
inline constexpr std::string_view kTipPicture = "picCard";
inline constexpr std::string_view kSettingsPicture = "picCard2";
inline constexpr std::string_view kTipText = "lblCardDesc";
inline constexpr std::string_view kCobrandLink = "lblCobrand";
inline constexpr std::string_view kFullBrandLink = "lblFullBrand";
// The hidden picture box that receives the notification icon's messages.
inline constexpr std::string_view kTrayCallbackBox = "picHook";
// The hidden top-level menu whose items make the notification icon's popup menu.
inline constexpr std::string_view kTrayPopupMenu = "mnuPopUp";
// Its two items.
inline constexpr std::string_view kTrayMenuShow = "mnuPop";
inline constexpr std::string_view kTrayMenuExit = "mnuExit1";

// The About window.
inline constexpr std::string_view kAboutOkButton = "cmdOK";
inline constexpr std::string_view kAboutIcon = "picIcon";

}  // namespace corvallo::names
