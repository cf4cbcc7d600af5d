// vettora-updater ADDRESS: started by the updater library with the update list's address.
// It looks for an update in its own process, so that the launcher never waits on the
// network and nothing that befalls it reaches the launcher; it writes nothing but the
// download it is asked for, and shows nothing unless there is a verified update to offer.

#include "app_setup.h"
#include "installer_handoff.h"
#include "product_identity.h"
#include "runtime_folder.h"
#include "single_instance.h"
#include "update_flow.h"
#include "update_log.h"
#include "update_window.h"

#include <QApplication>
#include <QNetworkProxyFactory>

int main(int argc, char* argv[])
{
    不提示桌面常情();
    运行目录 运行目录;
    QApplication 程序(argc, argv);
    运行目录.还原();
    QApplication::setQuitOnLastWindowClosed(false);  // the flow says when it is done
    QGuiApplication::setDesktopFileName(QStringLiteral(VETTORA_APP_ID));

    // The maker's public key, a setting of the build: a build given none trusts no list.
    const QByteArray 公钥 = QByteArray::fromHex(VETTORA_UPDATE_KEY);
    const QStringList 参数 = QCoreApplication::arguments();
    const QUrl 列表地址(参数.value(1), QUrl::StrictMode);
    if (公钥.isEmpty() || 参数.size() != 2 || !列表地址.isValid() || 列表地址.host().isEmpty()
        || (列表地址.scheme() != QLatin1String("http") && 列表地址.scheme() != QLatin1String("https"))) {
        return 更新流程::完毕;
    }

    // One updater of this user at a time: a later one, of another start of the program while
    // an offer is still open, ends unseen.
    单实例 只一个(QStringLiteral(VETTORA_UPDATER_INSTANCE_NAME));
    if (只一个.检查重复运行()) {
        qCInfo(更新日志, "another updater is at work");
        return 更新流程::完毕;
    }
    只一个.开始接待([](const QByteArray&) {});

    安装界面语言与字体(程序);
    QNetworkProxyFactory::setUseSystemConfiguration(true);  // the desktop's proxy, as the advert strip's
    更新窗口 窗口(QStringLiteral(VETTORA_VERSION));
    更新流程::设置 设置;
    设置.期望 = {公钥, 列表地址, QStringLiteral(VETTORA_APP_ID), QStringLiteral(VETTORA_VERSION), 安装交付::系统(), {}};
    更新流程 流程(窗口, std::move(设置), [](int 退出码) { QCoreApplication::exit(退出码); });
    窗口.连接(流程);
    流程.开始();
    return QApplication::exec();
}
