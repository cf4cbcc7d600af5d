#include "download_folder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cstdlib>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

// The folder is made for this user alone (mkdtemp) in the user's cache folder, which no
// other user can write to: nobody can put a file of their own where the download was once
// it is gone. It is held with a lock on it (flock), which the system lets go of when the
// updater ends however it ends: a folder whose lock can be had is left over.
struct 下载目录::占有 {
    int 描述符 = -1;
    ~占有()
    {
        if (描述符 >= 0) ::close(描述符);
    }
};

namespace {

const QString 前缀 = QStringLiteral("vettora-update-");

int 锁住(const QString& 路径)
{
    const int 描述符 = ::open(QFile::encodeName(路径).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (描述符 >= 0 && ::flock(描述符, LOCK_EX | LOCK_NB) != 0) {
        ::close(描述符);
        return -1;
    }
    return 描述符;
}

}  // namespace

void 下载目录::清理遗留()
{
    const QDir 临时(所在());
    for (const QFileInfo& 旧 : 临时.entryInfoList({前缀 + QLatin1Char('*')}, QDir::Dirs | QDir::NoSymLinks)) {
        if (旧.ownerId() != ::geteuid()) continue;
        const int 描述符 = 锁住(旧.absoluteFilePath());
        if (描述符 < 0) continue;  // another updater's, at work
        QDir(旧.absoluteFilePath()).removeRecursively();
        ::close(描述符);
    }
}

下载目录::下载目录() : m_占有(std::make_unique<占有>())
{
    const QDir 临时(所在());
    QByteArray 模板 = QFile::encodeName(临时.filePath(前缀 + QStringLiteral("XXXXXX")));
    if (!::mkdtemp(模板.data())) return;
    m_占有->描述符 = 锁住(QFile::decodeName(模板));
    if (m_占有->描述符 < 0) {
        ::rmdir(模板.constData());
        return;
    }
    m_路径 = QFile::decodeName(模板);
}

下载目录::~下载目录()
{
    if (有效() && !m_留下) QDir(m_路径).removeRecursively();
}

QString 下载目录::所在()
{
    const QString 缓存 = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    QDir().mkpath(缓存);
    return 缓存;
}
