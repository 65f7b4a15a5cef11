#pragma once

#include "win32/LayoutControls.h"

namespace corvallo::win32 {

// Tells Active Accessibility that the layout's links (static controls, which
// it would present as text) are links, through dynamic annotation:
// IAccPropServices::SetHwndProp with PROPID_ACC_ROLE. Throws PlatformError
// at the first the system refuses. Needs COM on the calling thread.
void annotateLinks(const LayoutControls& controls);

}  // namespace corvallo::win32
