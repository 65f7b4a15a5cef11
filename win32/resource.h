#pragma once

// Identifiers of the resources that win32/corvallo.rc embeds in
// Corvallo.exe. This header is read by the resource compiler as well as by
// C++, so it holds nothing but #define lines.

// The program icon: the executable's icon and every window's.
#define IDI_APPICON 101

// The application manifest (common controls v6, DPI awareness, asInvoker).
#define IDR_MANIFEST 1

// Tip pictures as PNG data (RCDATA): tip k (1 to 30) at IDR_TIP_BASE + k in
// 100 x 125 pixels and at IDR_TIP2X_BASE + k in 200 x 250 pixels.
#define IDR_TIP_BASE 1000
#define IDR_TIP2X_BASE 1100
