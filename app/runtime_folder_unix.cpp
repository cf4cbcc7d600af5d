#include "runtime_folder.h"

#include <QDir>
#include <QFile>

#include <cstdlib>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// What Qt accepts: a folder, not a link, this user's, for this user alone.
bool 可用(const QByteArray& 路径)
{
    struct stat 状态 {};
    return !路径.isEmpty() && lstat(路径.constData(), &状态) == 0 && S_ISDIR(状态.st_mode) && 状态.st_uid == geteuid()
        && (状态.st_mode & 07777) == 0700;
}

}  // namespace

运行目录::运行目录()
{
    m_原有 = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR");
    m_原值 = qgetenv("XDG_RUNTIME_DIR");
    if (可用(m_原值)) return;
    const QByteArray 登录的 = "/run/user/" + QByteArray::number(geteuid());
    if (可用(登录的)) {
        qputenv("XDG_RUNTIME_DIR", 登录的);
        return;
    }
    QByteArray 模板 = QFile::encodeName(QDir::tempPath()) + "/vettora-XXXXXX";
    if (!mkdtemp(模板.data())) return;  // made for this user alone
    m_临时 = 模板;
    qputenv("XDG_RUNTIME_DIR", m_临时);
}

运行目录::~运行目录()
{
    还原();
}

void 运行目录::还原()
{
    if (m_临时.isEmpty()) return;
    rmdir(m_临时.constData());
    m_临时.clear();
    if (m_原有) {
        qputenv("XDG_RUNTIME_DIR", m_原值);
    } else {
        qunsetenv("XDG_RUNTIME_DIR");
    }
}
