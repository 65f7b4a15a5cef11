#pragma once

namespace corvallo::qt {

// Makes Qt's accessibility present the layout's links (LinkLabel) as links,
// named by their text, with a "press" action that opens them, instead of as
// static text. Installed once per process; later calls do nothing.
void installLinkAccessibility();

}  // namespace corvallo::qt
