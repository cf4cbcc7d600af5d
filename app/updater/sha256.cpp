#include "sha256.h"

#include <QIODevice>

#include <cstdlib>

摘要SHA256::摘要SHA256()
{
    if (sodium_init() < 0) std::abort();  // libsodium has never failed to start on a working system
    crypto_hash_sha256_init(&m_状态);
}

void 摘要SHA256::加(QByteArrayView 数据)
{
    crypto_hash_sha256_update(&m_状态, reinterpret_cast<const unsigned char*>(数据.data()),
                              static_cast<unsigned long long>(数据.size()));
}

bool 摘要SHA256::加(QIODevice& 设备)
{
    QByteArray 块(1024 * 1024, Qt::Uninitialized);
    for (;;) {
        const qint64 读了 = 设备.read(块.data(), 块.size());
        if (读了 < 0) return false;
        if (读了 == 0) return 设备.atEnd();
        加(QByteArrayView(块.constData(), 读了));
    }
}

QByteArray 摘要SHA256::结果()
{
    QByteArray 值(crypto_hash_sha256_BYTES, Qt::Uninitialized);
    crypto_hash_sha256_final(&m_状态, reinterpret_cast<unsigned char*>(值.data()));
    crypto_hash_sha256_init(&m_状态);
    return 值;
}
