#include "app_setup.h"
#include "bring_forward.h"
#include "font_config_preload.h"
#include "form_main.h"
#include "product_identity.h"
#include "runtime_folder.h"
#include "single_instance.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    字体配置预读 字体配置;
    const QByteArray 桌面凭据 = 前台::启动凭据();  // Qt takes it from the environment
    不提示桌面常情();
    运行目录 运行目录;
    QApplication 程序(argc, argv);
    运行目录.还原();
    QApplication::setApplicationName(QStringLiteral("vettora"));
    QGuiApplication::setDesktopFileName(QStringLiteral(VETTORA_APP_ID));  // what docks match the window by

    单实例 实例(QStringLiteral(VETTORA_INSTANCE_NAME));
    if (实例.检查重复运行([&桌面凭据] { return 前台::交接凭据(桌面凭据); })) {
        return 0;  // the running launcher has been brought forward
    }

    字体配置.等待();
    安装界面语言与字体(程序);
    安装窗口无障碍角色();
    Form_Main 启动窗口;
    启动窗口.显示();
    实例.开始接待([&启动窗口](const QByteArray& 凭据) { 启动窗口.唤醒(凭据); });
    // Closing the launcher ends the program: a start from now on runs a launcher of its own.
    QObject::connect(&程序, &QGuiApplication::lastWindowClosed, &程序, [&实例] { 实例.停止接待(); });
    return QApplication::exec();
}
