#pragma once

// What the harnesses share: turning fuzz bytes into the program's inputs, and failing
// loudly when a property does not hold (libFuzzer keeps the input that did it).

#include "food_database_readers.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// The bytes as UTF-16 code units, so that every character a box can hold is reachable:
// full-width and other Unicode digits, lone surrogates, anything.
inline QString 作为UTF16(const std::uint8_t* 数据, std::size_t 大小)
{
    return QString(reinterpret_cast<const QChar*>(数据), static_cast<qsizetype>(大小 / 2));
}

inline QByteArray 作为字节(const std::uint8_t* 数据, std::size_t 大小)
{
    return QByteArray(reinterpret_cast<const char*>(数据), static_cast<qsizetype>(大小));
}

// For the harnesses that read a file as the program does: the application object, and
// the input written to FoodData.mdb in a folder of the harness's own.
inline void 准备文件读取(int* argc, char*** argv)
{
    new QCoreApplication(*argc, *argv);
}

inline QString 写入文件(const QByteArray& 内容)
{
    static QTemporaryDir 目录;
    const QString 路径 = 目录.filePath(QStringLiteral("FoodData.mdb"));
    QFile 文件(路径);
    if (!文件.open(QIODevice::WriteOnly | QIODevice::Truncate) || 文件.write(内容) != 内容.size()) std::abort();
    return 路径;
}

// No field longer than the loader keeps.
inline bool 字段都不超长(const 食物信息& 食物)
{
    return 食物.FoodName.size() <= 食物库::最长字段 && 食物.FoodOtherName.size() <= 食物库::最长字段
           && 食物.FoodHot.size() <= 食物库::最长字段 && 食物.FoodQuantity.size() <= 食物库::最长字段;
}

#define 必须(条件)                                                                   \
    do {                                                                             \
        if (!(条件)) {                                                               \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #条件); \
            std::abort();                                                            \
        }                                                                            \
    } while (0)
