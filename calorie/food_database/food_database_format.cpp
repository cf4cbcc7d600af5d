#include "food_database_readers.h"

#include <QFile>
#include <QFileInfo>

namespace 食物库 {

格式 识别格式(const QString& 路径)
{
    QFile 文件(路径);
    if (!QFileInfo(路径).isFile() || !文件.open(QIODevice::ReadOnly)) return 格式::未知;
    const QByteArray 开头 = 文件.read(32);
    if (开头.startsWith(QByteArray("SQLite format 3\0", 16))) return 格式::SQLite;
    if (开头.size() >= 19 && 开头.startsWith(QByteArray("\x00\x01\x00\x00", 4))
        && (开头.mid(4, 15) == "Standard Jet DB" || 开头.mid(4, 15) == "Standard ACE DB")) {
        return 格式::Jet;
    }
    return 格式::未知;
}

}  // namespace 食物库
