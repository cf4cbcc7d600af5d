#include "food_database_readers.h"

#include "jet_helper_start.h"
#include "jet_output_format.h"

#include <QFileInfo>
#include <QProcess>

namespace 食物库 {

记录表 读取Jet(const QString& 路径, const QString& 读取程序, QDeadlineTimer 期限)
{
    if (!QFileInfo(读取程序).isExecutable()) return std::nullopt;
    // Four fields of 255 characters, each UTF-8 character escaped at worst, 200 times over.
    constexpr qsizetype 最长输出 = 最多记录 * jet_output::field_count * (最长字段 * 3 + 1) + 64;
    QProcess 进程;
    进程.setStandardErrorFile(QProcess::nullDevice());
    进程.setStandardInputFile(QProcess::nullDevice());
    启动读取程序(进程, 读取程序, 路径);
    QByteArray 输出;
    while (进程.state() != QProcess::NotRunning && !期限.hasExpired() && 输出.size() <= 最长输出) {
        进程.waitForReadyRead(static_cast<int>(期限.remainingTime()));
        输出 += 进程.readAllStandardOutput();
    }
    if (进程.state() != QProcess::NotRunning) {
        进程.kill();
        进程.waitForFinished(1000);
        return std::nullopt;
    }
    输出 += 进程.readAllStandardOutput();
    if (进程.exitStatus() != QProcess::NormalExit || 进程.exitCode() != 0 || 输出.size() > 最长输出) return std::nullopt;
    return 解析读取程序输出(输出);
}

}  // namespace 食物库
