#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <sodium.h>

class QIODevice;

// SHA-256 by libsodium, which hashes about twice as fast as Qt's own: a download is hashed
// on its way, and read and hashed once more before it is handed over.
class 摘要SHA256 {
public:
    摘要SHA256();
    void 加(QByteArrayView 数据);
    // All that is left to read of 设备; false when it cannot be read.
    bool 加(QIODevice& 设备);
    QByteArray 结果();  // 32 bytes; the hash starts anew afterwards

private:
    crypto_hash_sha256_state m_状态;
};
