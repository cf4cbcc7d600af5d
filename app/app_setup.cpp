#include "app_setup.h"

#include "program_fonts.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <QWidget>

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

void 安装窗口无障碍角色()
{
    QAccessible::installFactory([](const QString& 类名, QObject* 对象) -> QAccessibleInterface* {
        if (类名 != QLatin1String("QWidget") || !对象 || !对象->isWidgetType()) return nullptr;
        auto* 窗口 = static_cast<QWidget*>(对象);
        return 窗口->isWindow() ? new QAccessibleWidget(窗口, QAccessible::Window) : nullptr;
    });
}
