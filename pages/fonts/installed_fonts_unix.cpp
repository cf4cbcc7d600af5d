#include "installed_fonts.h"

#include <fontconfig/fontconfig.h>

namespace 已装字体 {

// Asked of fontconfig by name, which also knows a font's localised family names. Qt itself
// would look up the fallbacks of a missing family (a full sort of the installed fonts)
// before it tries the next one.
bool 已装(const QString& 字族)
{
    const QByteArray 名 = 字族.toUtf8();
    FcPattern* 样式 = FcPatternCreate();
    FcPatternAddString(样式, FC_FAMILY, reinterpret_cast<const FcChar8*>(名.constData()));
    FcObjectSet* 属性 = FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet* 字体 = FcFontList(nullptr, 样式, 属性);
    const bool 有 = 字体 && 字体->nfont > 0;
    if (字体) FcFontSetDestroy(字体);
    FcObjectSetDestroy(属性);
    FcPatternDestroy(样式);
    return 有;
}

}  // namespace 已装字体
