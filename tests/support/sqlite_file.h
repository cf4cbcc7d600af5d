#pragma once

#include <QFile>
#include <QString>

#include <sqlite3.h>

// Makes an SQLite file at 路径 by running 语句 (several statements) on a new database.
inline bool 建SQLite库(const QString& 路径, const QByteArray& 语句)
{
    QFile::remove(路径);
    sqlite3* 库 = nullptr;
    bool 成功 = sqlite3_open(QFile::encodeName(路径).constData(), &库) == SQLITE_OK
                && sqlite3_exec(库, 语句.constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    if (!成功) qWarning("%s", sqlite3_errmsg(库));
    sqlite3_close(库);
    return 成功;
}
