#include "installed_fonts.h"

namespace 已装字体 {

// Fontconfig answers for a family it does not have at once: Qt is given them all.
QStringList 筛选(const QStringList& 候选)
{
    return 候选;
}

}  // namespace 已装字体
