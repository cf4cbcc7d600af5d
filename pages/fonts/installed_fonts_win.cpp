#include "installed_fonts.h"

#include <windows.h>

namespace 已装字体 {

// GDI knows a family by its English and its localised name ("SimSun", "宋体").
bool 已装(const QString& 字族)
{
    LOGFONTW 字样{};
    字样.lfCharSet = DEFAULT_CHARSET;
    const int 长 = static_cast<int>(std::min<qsizetype>(字族.size(), LF_FACESIZE - 1));
    字族.left(长).toWCharArray(字样.lfFaceName);
    bool 有 = false;
    HDC 屏幕 = GetDC(nullptr);
    EnumFontFamiliesExW(
        屏幕, &字样,
        [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM 结果) -> int {
            *reinterpret_cast<bool*>(结果) = true;
            return 0;  // one is enough
        },
        reinterpret_cast<LPARAM>(&有), 0);
    ReleaseDC(nullptr, 屏幕);
    return 有;
}

}  // namespace 已装字体
