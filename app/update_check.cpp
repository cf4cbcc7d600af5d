#include "update_check.h"

#include <QFileInfo>
#include <QLibrary>

namespace modUpdate {

QString 更新库路径(const QString& 文件夹)
{
    return 文件夹 + QStringLiteral("/" VETTORA_UPDATE_LIBRARY);
}

bool DoUpdate(const QString& 地址, const QString& 文件夹)
{
    const QString 路径 = QFileInfo(更新库路径(文件夹)).absoluteFilePath();
    if (!QFileInfo(路径).isFile()) return false;  // QLibrary would try other names too

    QLibrary 库(路径);
    using 入口 = long (*)(const char*);  // stdcall on Windows is the one x86-64 convention
    const auto 调用 = reinterpret_cast<入口>(库.resolve("DoUpdate"));
    if (!调用) return false;
    const QByteArray 参数 = 地址.toLocal8Bit();  // the ANSI code page on Windows
    调用(参数.constData());
    return true;  // the library stays loaded: it may still be working behind its return
}

}  // namespace modUpdate
