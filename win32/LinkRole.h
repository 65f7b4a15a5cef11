#pragma once

#include <windows.h>

namespace corvallo::win32 {

// Tells Active Accessibility that `link` (a static control, which it would
// present as text) is a link, through dynamic annotation:
// IAccPropServices::SetHwndProp with PROPID_ACC_ROLE. Joins the thread to a
// COM apartment first. Throws PlatformError when the system refuses.
void annotateLinkRole(HWND link);

}  // namespace corvallo::win32
