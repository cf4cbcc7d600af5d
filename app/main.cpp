#include "app_setup.h"
#include "form_main.h"
#include "single_instance.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication 程序(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vettora"));

    单实例 实例(QString::fromUtf16(Form_Main::标题));
    if (实例.检查重复运行()) return 0;  // the running launcher has been brought forward

    安装界面语言与字体(程序);
    安装窗口无障碍角色();
    Form_Main 启动窗口;
    实例.收到唤醒时([&启动窗口] { 启动窗口.唤醒(); });
    启动窗口.显示();
    return QApplication::exec();
}
