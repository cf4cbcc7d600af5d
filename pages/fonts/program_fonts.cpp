#include "program_fonts.h"

#include "installed_fonts.h"

#include <QStringList>

namespace 界面字体 {

QFont 宋体(double 磅值, bool 粗体)
{
    QFont 字体;
    static const QStringList 字族 =
        已装字体::筛选({QStringLiteral(u"宋体"), QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC")});
    字体.setFamilies(字族);
    字体.setPointSizeF(磅值);
    字体.setBold(粗体);
    return 字体;
}

QFont 菜单字体()
{
    QFont 字体;
    static const QStringList 字族 = 已装字体::筛选({QStringLiteral("Microsoft YaHei UI"), QStringLiteral(u"微软雅黑"),
                                                  QStringLiteral("Noto Sans CJK SC")});
    字体.setFamilies(字族);
    字体.setPointSizeF(9);
    return 字体;
}

QFont 结果框字体()
{
    QFont 字体;
    static const QStringList 字族 =
        已装字体::筛选({QStringLiteral("NSimSun"), QStringLiteral(u"新宋体"), QStringLiteral("Noto Sans Mono CJK SC")});
    字体.setFamilies(字族);
    字体.setStyleHint(QFont::Monospace);
    字体.setPointSizeF(9);
    return 字体;
}

}  // namespace 界面字体
