#pragma once

#include <windows.h>

#include <oleauto.h>

namespace corvallo::win32::ole_automation {

// The two OLE Automation date functions the program uses, from oleaut32.dll
// loaded on their first use rather than at the start. Every start reads its
// stored dates, but those are in the locale's own numeric short date, which
// the program reads itself (Win32DateText); only a text in another form needs
// the full OLE date reader, so a normal start never maps the library. When
// the library cannot be loaded they fail as the functions themselves would.

// VarDateFromStr.
HRESULT dateFromText(const wchar_t* text, LCID locale, ULONG flags, DATE* date);

// VariantTimeToSystemTime.
INT variantTimeToSystemTime(DATE date, SYSTEMTIME* time);

}  // namespace corvallo::win32::ole_automation
