// The updater library beside the program (Update.dll; libUpdate.so on Linux). The launcher
// calls DoUpdate with the update list's address five seconds after each load, on its
// user-interface thread: it starts the updater program beside it and returns at once. In
// one run of the program one updater runs at a time, and once the person has said 以后再说
// no other is started.

#include "update_flow.h"
#include "update_log.h"

#include <QCoreApplication>
#include <QPointer>
#include <QProcess>

namespace {

bool 已说以后再说 = false;
QPointer<QProcess> 在运行;

}  // namespace

extern "C" Q_DECL_EXPORT long DoUpdate(const char* 地址)
{
    if (!VETTORA_UPDATE_KEY_GIVEN || !地址 || 在运行) return 0;
    if (已说以后再说) {
        qCInfo(更新日志, "not asked again in this run");
        return 0;
    }
    // Never deleted while the updater runs, so that it outlives the program if it must: the
    // setup program it starts on Windows asks for the program to be closed.
    auto* 进程 = new QProcess;
    进程->setProcessChannelMode(QProcess::ForwardedChannels);
    进程->setStandardInputFile(QProcess::nullDevice());
    QObject::connect(进程, &QProcess::finished, 进程, [进程](int 退出码, QProcess::ExitStatus 方式) {
        已说以后再说 = 已说以后再说 || (方式 == QProcess::NormalExit && 退出码 == 更新流程::以后再说);
        进程->deleteLater();
    });
    QObject::connect(进程, &QProcess::errorOccurred, 进程, [进程](QProcess::ProcessError 错误) {
        if (错误 == QProcess::FailedToStart) 进程->deleteLater();
    });
    进程->start(QCoreApplication::applicationDirPath() + QStringLiteral("/" VETTORA_UPDATER_FILE_NAME),
                {QString::fromLocal8Bit(地址)});
    在运行 = 进程;
    return 1;
}
