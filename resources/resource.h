#pragma once

// Identifiers of the resources that resources/corvallo.rc embeds in
// Corvallo.exe. This header is read by the resource compiler as well as by
// C++, so it holds nothing but #define lines.

// The program icon: the executable's icon and every window's.
#define IDI_APPICON 101

// The application manifest (common controls v6, DPI awareness, asInvoker).
#define IDR_MANIFEST 1

// The main window's menus: the menu bar and, as its hidden first item, the
// notification icon's popup menu.
#define IDR_MAINMENU 201

// Menu commands, one per menu item that acts.
#define ID_MNU_POP 40001
#define ID_MNU_EXIT1 40002
#define ID_MNU_CALCULATEMOONPHASE 40003
#define ID_MNU_EXIT 40004
#define ID_MNU_SETTINGS 40005
#define ID_MNU_ONLINE 40006
#define ID_MNU_VISIT 40007
#define ID_MNU_UPDATE 40008
#define ID_MNU_ABOUT 40009
#define ID_MNU_DONATE 40010
#define ID_MNU_MAKEMONEY 40011

// Tip pictures as PNG data (RCDATA): tip k (1 to 30) at IDR_TIP_BASE + k in
// 100 x 125 pixels and at IDR_TIP2X_BASE + k in 200 x 250 pixels.
#define IDR_TIP_BASE 1000
#define IDR_TIP2X_BASE 1100
