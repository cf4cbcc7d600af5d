#include "installed_fonts.h"

namespace 已装字体 {

QStringList 筛选(const QStringList& 候选)
{
    QStringList 有的;
    for (const QString& 字族 : 候选) {
        if (已装(字族)) 有的 << 字族;
    }
    return 有的.isEmpty() ? 候选 : 有的;
}

}  // namespace 已装字体
