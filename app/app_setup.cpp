#include "app_setup.h"

#include "program_fonts.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

void 安装界面语言与字体(QApplication& 程序)
{
    for (const QString& 名 : {QStringLiteral("qtbase_zh_CN"), QStringLiteral("qtwebengine_zh_CN")}) {
        auto* 翻译 = new QTranslator(&程序);
        if (翻译->load(名, QLibraryInfo::path(QLibraryInfo::TranslationsPath))
            || 翻译->load(名, QCoreApplication::applicationDirPath() + QStringLiteral("/translations"))) {
            QCoreApplication::installTranslator(翻译);
        } else {
            delete 翻译;
        }
    }
    QApplication::setFont(界面字体::宋体(9));
    // The windows are drawn for one style; a desktop's own style does not change them.
    QApplication::setStyle(QStringLiteral("Fusion"));
}
