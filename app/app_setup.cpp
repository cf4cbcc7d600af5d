#include "app_setup.h"

#include "design_look.h"
#include "program_fonts.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <QWidget>

namespace {
QtMessageHandler 原有处理 = nullptr;
}

void 不提示桌面常情()
{
    原有处理 = qInstallMessageHandler([](QtMsgType 类型, const QMessageLogContext& 上下文, const QString& 消息) {
        static const QLatin1String 常情[] = {
            QLatin1String("Ignoring unexpected wl_keyboard.leave event."),
        };
        if (类型 == QtWarningMsg) {
            for (const QLatin1String& 开头 : 常情) {
                if (消息.startsWith(开头)) return;
            }
        }
        原有处理(类型, 上下文, 消息);
    });
}

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
    QApplication::setStyle(界面外观::新风格());
}

void 安装窗口无障碍角色()
{
    QAccessible::installFactory([](const QString& 类名, QObject* 对象) -> QAccessibleInterface* {
        if (类名 != QLatin1String("QWidget") || !对象 || !对象->isWidgetType()) return nullptr;
        auto* 窗口 = static_cast<QWidget*>(对象);
        return 窗口->isWindow() ? new QAccessibleWidget(窗口, QAccessible::Window) : nullptr;
    });
}
