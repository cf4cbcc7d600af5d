// Update list bytes → the updater's check of them. The bytes as they came must never pass;
// signed with the tests' key, as the maker would sign them, they reach the reader behind
// the signature, and what passes there must be an update the updater may offer.

#include "fuzz_support.h"
#include "update_list.h"

#include <sodium.h>

namespace {

struct 测试钥 {
    unsigned char 公钥[crypto_sign_PUBLICKEYBYTES];
    unsigned char 私钥[crypto_sign_SECRETKEYBYTES];
    测试钥()
    {
        QFile 文件(QStringLiteral(TEST_KEY_DIR "/test-key.secret"));
        const QByteArray 种子 = 文件.open(QIODevice::ReadOnly) ? QByteArray::fromHex(文件.readAll().trimmed()) : QByteArray();
        if (sodium_init() < 0 || 种子.size() != crypto_sign_SEEDBYTES) std::abort();
        crypto_sign_seed_keypair(公钥, 私钥, reinterpret_cast<const unsigned char*>(种子.constData()));
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* 数据, std::size_t 大小)
{
    static const 测试钥 钥;
    const QByteArray 正文 = 作为字节(数据, 大小);
    更新::期望 期望{QByteArray(reinterpret_cast<const char*>(钥.公钥), crypto_sign_PUBLICKEYBYTES),
                    QUrl(QStringLiteral("http://www.vettora.cn/softs/vettora/update.txt")),
                    QStringLiteral("cn.vettora.Vettora"), QStringLiteral("3.0.0.0"), QStringLiteral("windows-x64"),
                    QDateTime(QDate(2026, 12, 1), QTime(0, 0), Qt::UTC)};
    必须(更新::检查(正文, 期望).结论 != 更新::判定::有更新);

    unsigned char 签名[crypto_sign_BYTES];
    crypto_sign_detached(签名, nullptr, 数据, 大小, 钥.私钥);
    const QByteArray 列表 = 正文 + 更新::签名行(QByteArray(reinterpret_cast<const char*>(签名), crypto_sign_BYTES));
    const 更新::检查结果 结果 = 更新::检查(列表, 期望);
    if (结果.结论 != 更新::判定::有更新) return 0;
    必须(列表.size() <= 更新::列表最长);
    必须(更新::较新(结果.版本, 期望.当前版本));
    必须(结果.下载.地址.host() == QLatin1String("www.vettora.cn") && 结果.下载.sha256.size() == 32);
    必须(结果.下载.大小 > 0 && 结果.下载.大小 <= 更新::下载最大);
    return 0;
}
