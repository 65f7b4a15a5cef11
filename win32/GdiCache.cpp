#include "win32/GdiCache.h"

#include <string_view>

#include "win32/Dpi.h"
#include "win32/Utf16.h"

namespace corvallo::win32 {
namespace {

// EnumFontFamiliesExW calls this once for each style of the family asked
// for, and not at all when no such family is installed; one call is enough.
int CALLBACK noteFamilyFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool isFamilyInstalled(HDC dc, const std::wstring& face) {
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    wcsncpy_s(query.lfFaceName, LF_FACESIZE, face.c_str(), _TRUNCATE);
    bool found = false;
    EnumFontFamiliesExW(dc, &query, noteFamilyFound, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

// The layout's face if it is installed, else its first installed fallback.
// Left to itself, the font mapper replaces a missing face by whatever it
// ranks first, which depends on the fonts that happen to be installed (under
// Wine, on fontconfig's order), and whose widths may differ a lot. With none
// of them installed the layout's face is asked for anyway, and the pitch and
// family of the request (see GdiCache::font) steer the mapper to a
// proportional sans-serif face.
std::wstring installedFace() {
    HDC screen = GetDC(nullptr);
    std::wstring chosen = toUtf16(layout::kFontFace);
    if (!isFamilyInstalled(screen, chosen)) {
        for (const std::string_view fallback : layout::kFallbackFontFaces) {
            const std::wstring face = toUtf16(fallback);
            if (isFamilyInstalled(screen, face)) {
                chosen = face;
                break;
            }
        }
    }
    ReleaseDC(nullptr, screen);
    return chosen;
}

}  // namespace

HFONT GdiCache::font(const layout::Font& wanted, UINT dpi) {
    const FontKey key{wanted.twentiethsOfPoint, wanted.bold, wanted.underline, dpi};
    if (const auto found = fonts_.find(key); found != fonts_.end()) {
        return found->second.get();
    }
    LOGFONTW font{};
    // A point is 20 twips, so the size in twentieths of a point is the
    // character height in twips; negative asks for the character height
    // rather than the cell height.
    font.lfHeight = -twipsToPixels(wanted.twentiethsOfPoint, dpi);
    font.lfWeight = wanted.bold ? FW_BOLD : FW_NORMAL;
    font.lfUnderline = wanted.underline ? TRUE : FALSE;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = CLEARTYPE_QUALITY;
    font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    if (face_.empty()) {
        face_ = installedFace();
    }
    wcsncpy_s(font.lfFaceName, LF_FACESIZE, face_.c_str(), _TRUNCATE);
    FontHandle created(CreateFontIndirectW(&font));
    HFONT handle = created.get();
    if (handle != nullptr) {
        fonts_.emplace(key, std::move(created));
    }
    return handle;
}

HBRUSH GdiCache::brush(COLORREF colour) {
    if (const auto found = brushes_.find(colour); found != brushes_.end()) {
        return found->second.get();
    }
    BrushHandle created(CreateSolidBrush(colour));
    HBRUSH handle = created.get();
    if (handle != nullptr) {
        brushes_.emplace(colour, std::move(created));
    }
    return handle;
}

void GdiCache::releaseFontsExcept(UINT dpi) {
    std::erase_if(fonts_, [dpi](const auto& entry) { return std::get<3>(entry.first) != dpi; });
}

}  // namespace corvallo::win32
