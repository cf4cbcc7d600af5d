// vettora_make_update_list: the maker's side of updates (make update-list runs it).
//   new-key SECRET_FILE
//       makes the maker's key pair: the secret key (the 32 bytes libsodium makes the pair
//       of, as 64 hexadecimal digits) goes into a new file that only its owner may read; the
//       public key, which a build is given as VETTORA_UPDATE_KEY, is printed.
//   sign SECRET_FILE VERSION DAYS NOTES_FILE OUT SYSTEM=FILE...
//       writes the update list OUT: VERSION, valid for DAYS days from now, the notes of
//       NOTES_FILE (UTF-8, a line each), and for each SYSTEM (windows-x64, debian-amd64)
//       the file's address in the folder of the update list's own address, its size and its
//       SHA-256, signed with the secret key.

#include "product_identity.h"
#include "server_addresses.h"
#include "update_list.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

#include <sodium.h>

#include <cstdio>

namespace {

int 失败(const char* 为何)
{
    std::fprintf(stderr, "vettora_make_update_list: %s\n", 为何);
    return 1;
}

int 新密钥(const QString& 文件)
{
    QByteArray 种子(crypto_sign_SEEDBYTES, Qt::Uninitialized);
    QByteArray 公钥(crypto_sign_PUBLICKEYBYTES, Qt::Uninitialized), 私钥(crypto_sign_SECRETKEYBYTES, Qt::Uninitialized);
    randombytes_buf(种子.data(), static_cast<std::size_t>(种子.size()));
    crypto_sign_seed_keypair(reinterpret_cast<unsigned char*>(公钥.data()), reinterpret_cast<unsigned char*>(私钥.data()),
                             reinterpret_cast<const unsigned char*>(种子.constData()));
    QFile 出(文件);
    if (!出.open(QIODevice::WriteOnly | QIODevice::NewOnly, QFile::ReadOwner | QFile::WriteOwner)
        || 出.write(种子.toHex() + '\n') != 2 * 种子.size() + 1) {
        return 失败("cannot write the new secret key file (it must not exist yet)");
    }
    std::printf("%s\n", 公钥.toHex().constData());
    return 0;
}

int 签名(const QStringList& 参数)
{
    QFile 密钥文件(参数[0]);
    const QByteArray 种子 = 密钥文件.open(QIODevice::ReadOnly) ? QByteArray::fromHex(密钥文件.readAll().trimmed()) : QByteArray();
    if (种子.size() != crypto_sign_SEEDBYTES) return 失败("the secret key file holds no key");
    QByteArray 公钥(crypto_sign_PUBLICKEYBYTES, Qt::Uninitialized), 私钥(crypto_sign_SECRETKEYBYTES, Qt::Uninitialized);
    crypto_sign_seed_keypair(reinterpret_cast<unsigned char*>(公钥.data()), reinterpret_cast<unsigned char*>(私钥.data()),
                             reinterpret_cast<const unsigned char*>(种子.constData()));

    更新::列表 内容;
    内容.产品 = QStringLiteral(VETTORA_APP_ID);
    内容.版本 = 参数[1];
    bool 是数 = false;
    const int 天数 = 参数[2].toInt(&是数);
    if (!更新::是版本号(内容.版本) || !是数 || 天数 < 1) return 失败("VERSION or DAYS is not right");
    内容.到期 = QDateTime::currentDateTimeUtc().addDays(天数);
    QFile 说明(参数[3]);
    if (!说明.open(QIODevice::ReadOnly)) return 失败("cannot read the notes");
    内容.说明 = QString::fromUtf8(说明.readAll()).trimmed();

    const QUrl 列表地址(QString::fromLatin1(更新列表地址));
    for (const QString& 项 : 参数.mid(5)) {
        const QString 系统 = 项.section(QLatin1Char('='), 0, 0), 路径 = 项.section(QLatin1Char('='), 1);
        QFile 文件(路径);
        QCryptographicHash 摘要(QCryptographicHash::Sha256);
        if (系统.isEmpty() || !文件.open(QIODevice::ReadOnly) || !摘要.addData(&文件)) return 失败("cannot read a download");
        内容.下载.push_back({系统, 列表地址.resolved(QUrl(QFileInfo(路径).fileName())), 文件.size(), 摘要.result()});
    }
    if (内容.下载.empty()) return 失败("no download given");

    const QByteArray 正文 = 更新::正文(内容);
    QByteArray 签名值(crypto_sign_BYTES, Qt::Uninitialized);
    crypto_sign_detached(reinterpret_cast<unsigned char*>(签名值.data()), nullptr,
                         reinterpret_cast<const unsigned char*>(正文.constData()), static_cast<unsigned long long>(正文.size()),
                         reinterpret_cast<const unsigned char*>(私钥.constData()));
    sodium_memzero(私钥.data(), static_cast<std::size_t>(私钥.size()));
    const QByteArray 列表 = 正文 + 更新::签名行(签名值);
    // Read back as the updater reads it, with the key it would be built with.
    const 更新::检查结果 回读 = 更新::检查(列表, {公钥, 列表地址, 内容.产品, QStringLiteral("0"), 内容.下载.front().系统,
                                              QDateTime::currentDateTimeUtc()});
    if (回读.结论 != 更新::判定::有更新) return 失败("the list does not read back");
    QFile 出(参数[4]);
    if (!出.open(QIODevice::WriteOnly | QIODevice::Truncate) || 出.write(列表) != 列表.size()) return 失败("cannot write OUT");
    std::printf("%s: version %s for %zu systems, signed by %s\n", qPrintable(参数[4]), qPrintable(内容.版本),
                内容.下载.size(), 公钥.toHex().constData());
    return 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication 程序(argc, argv);
    const QStringList 参数 = QCoreApplication::arguments().mid(1);
    if (sodium_init() < 0) return 失败("libsodium cannot start");
    if (参数.size() == 2 && 参数[0] == QLatin1String("new-key")) return 新密钥(参数[1]);
    if (参数.size() >= 7 && 参数[0] == QLatin1String("sign")) return 签名(参数.mid(1));
    std::fputs("usage: vettora_make_update_list new-key SECRET_FILE\n"
               "       vettora_make_update_list sign SECRET_FILE VERSION DAYS NOTES_FILE OUT SYSTEM=FILE...\n",
               stderr);
    return 2;
}
