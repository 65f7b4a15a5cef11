#pragma once

namespace corvallo::win32 {

// Puts the program's thread (its only one) into a single-threaded COM
// apartment, the first time something needs COM: opening a web page, or
// telling a screen reader what a link is. A start that does neither loads no
// COM at all. The thread stays in the apartment until the process ends;
// should it already be in another kind, the caller works in that one.
void joinApartment();

}  // namespace corvallo::win32
