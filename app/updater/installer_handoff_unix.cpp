#include "installer_handoff.h"

#include "sha256.h"

#include <QFile>
#include <QProcess>

// The download waits in a folder of this user alone (download_folder_unix.cpp): what was
// checked is what the package installer reads.
namespace 安装交付 {

QString 系统()
{
    return QStringLiteral("debian-amd64");
}

QString 文件名(const QString& 版本)
{
    return QStringLiteral("vettora_%1_amd64.deb").arg(版本);
}

bool 验证后即交付()
{
    return false;
}

bool 交给安装程序(const QString& 文件, qint64 大小, const QByteArray& sha256)
{
    QFile 包(文件);
    摘要SHA256 摘要;
    if (!包.open(QIODevice::ReadOnly) || 包.size() != 大小 || !摘要.加(包) || 摘要.结果() != sha256) return false;
    // xdg-open hands it to whatever the desktop installs packages with.
    return QProcess::startDetached(QStringLiteral("xdg-open"), {文件});
}

QString 手动安装说明(const QString& 文件)
{
    QString 引号中 = 文件;
    引号中.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QStringLiteral(u"也可以在终端中运行以下命令安装：\nsudo apt install '%1'").arg(引号中);
}

}  // namespace 安装交付
