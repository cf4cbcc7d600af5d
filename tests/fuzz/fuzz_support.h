#pragma once

// What the harnesses share: turning fuzz bytes into the program's inputs, and failing
// loudly when a property does not hold (libFuzzer keeps the input that did it).

#include <QByteArray>
#include <QString>

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

#define 必须(条件)                                                                   \
    do {                                                                             \
        if (!(条件)) {                                                               \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #条件); \
            std::abort();                                                            \
        }                                                                            \
    } while (0)
