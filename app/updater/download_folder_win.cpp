#include "download_folder.h"

#include <QDir>
#include <QTemporaryDir>

#include <windows.h>

// The folder is this user's (in the user's own temporary folder), and held open without
// letting anyone delete it while the updater runs; an installer that runs from it keeps
// its file in use. What can be removed of an earlier folder is left over.
struct 下载目录::占有 {
    HANDLE 句柄 = INVALID_HANDLE_VALUE;
    ~占有()
    {
        if (句柄 != INVALID_HANDLE_VALUE) CloseHandle(句柄);
    }
};

namespace {
const QString 前缀 = QStringLiteral("vettora-update-");
}

void 下载目录::清理遗留()
{
    const QDir 临时(所在());
    for (const QFileInfo& 旧 : 临时.entryInfoList({前缀 + QLatin1Char('*')}, QDir::Dirs | QDir::NoSymLinks)) {
        QDir(旧.absoluteFilePath()).removeRecursively();  // in use: it stays, for a later updater
    }
}

下载目录::下载目录() : m_占有(std::make_unique<占有>())
{
    const QDir 临时(所在());
    QTemporaryDir 新(临时.filePath(前缀 + QStringLiteral("XXXXXX")));
    if (!新.isValid()) return;
    新.setAutoRemove(false);
    m_占有->句柄 = CreateFileW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(新.path()).utf16()),
                              GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    m_路径 = 新.path();
}

下载目录::~下载目录()
{
    if (!有效() || m_留下) return;
    m_占有.reset();
    QDir(m_路径).removeRecursively();
}

QString 下载目录::所在()
{
    return QDir::tempPath();
}
