#include "update_list.h"

#include <QRegularExpression>
#include <QStringDecoder>

#include <sodium.h>

#include <array>

namespace 更新 {
namespace {

const QByteArray 首行 = "vettora-update-list 1";
const QByteArray 签名前缀 = "signature ";
constexpr qsizetype 说明最长 = 8 * 1024;

bool 是十六进制(const QByteArray& 文本, qsizetype 长度)
{
    static const QRegularExpression 式(QStringLiteral("^[0-9a-f]+$"));
    return 文本.size() == 长度 && 式.match(QString::fromLatin1(文本)).hasMatch();
}

std::optional<std::array<quint16, 4>> 版本数(const QString& 版本)
{
    static const QRegularExpression 式(QStringLiteral("^(\\d{1,5})(?:\\.(\\d{1,5})){0,3}$"));
    if (!式.match(版本).hasMatch()) return std::nullopt;
    std::array<quint16, 4> 数{};
    const QStringList 段 = 版本.split(QLatin1Char('.'));
    for (qsizetype i = 0; i < 段.size(); ++i) {
        const uint 值 = 段[i].toUInt();
        if (值 > 65535) return std::nullopt;
        数[static_cast<std::size_t>(i)] = static_cast<quint16>(值);
    }
    return 数;
}

// "download SYSTEM URL SIZE SHA256"
std::optional<下载项> 下载行(const QString& 值)
{
    const QStringList 段 = 值.split(QLatin1Char(' '));
    static const QRegularExpression 系统式(QStringLiteral("^[a-z0-9-]{1,32}$"));
    static const QRegularExpression 大小式(QStringLiteral("^[1-9]\\d{0,11}$"));
    if (段.size() != 4 || !系统式.match(段[0]).hasMatch() || !大小式.match(段[2]).hasMatch()) return std::nullopt;
    下载项 项{段[0], QUrl(段[1], QUrl::StrictMode), 段[2].toLongLong(), {}};
    const QByteArray 摘要 = 段[3].toLatin1();
    if (!是十六进制(摘要, 64) || 项.大小 > 下载最大 || !项.地址.isValid() || 项.地址.host().isEmpty()
        || (项.地址.scheme() != QLatin1String("http") && 项.地址.scheme() != QLatin1String("https"))) {
        return std::nullopt;
    }
    项.sha256 = QByteArray::fromHex(摘要);
    return 项;
}

// The list without its signature line, read strictly: anything unexpected is no list.
std::optional<列表> 解析(const QByteArray& 文本)
{
    QStringDecoder 解码(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString 全文 = 解码(文本);
    if (解码.hasError() || !全文.endsWith(QLatin1Char('\n')) || 全文.contains(QLatin1Char('\r'))) return std::nullopt;
    QStringList 行 = 全文.split(QLatin1Char('\n'));
    行.removeLast();
    if (行.size() < 5 || 行[0] != QString::fromLatin1(首行)) return std::nullopt;

    列表 内容;
    const auto 取 = [&行](qsizetype i, const char* 键) -> std::optional<QString> {
        const QString 前缀 = QString::fromLatin1(键) + QLatin1Char(' ');
        if (i >= 行.size() || !行[i].startsWith(前缀)) return std::nullopt;
        return 行[i].mid(前缀.size());
    };
    const auto 产品 = 取(1, "product");
    const auto 版本 = 取(2, "version");
    const auto 到期 = 取(3, "expires");
    if (!产品 || !版本 || !到期 || !是版本号(*版本)) return std::nullopt;
    内容.产品 = *产品;
    内容.版本 = *版本;
    static const QRegularExpression 时间式(QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ$"));
    内容.到期 = QDateTime::fromString(*到期, Qt::ISODate);
    if (!时间式.match(*到期).hasMatch() || !内容.到期.isValid()) return std::nullopt;

    qsizetype i = 4;
    for (; 取(i, "download"); ++i) {
        const auto 项 = 下载行(*取(i, "download"));
        if (!项) return std::nullopt;
        for (const 下载项& 已有 : 内容.下载) {
            if (已有.系统 == 项->系统) return std::nullopt;
        }
        内容.下载.push_back(*项);
    }
    QStringList 说明;
    for (; 取(i, "notes"); ++i) 说明 << *取(i, "notes");
    内容.说明 = 说明.join(QLatin1Char('\n'));
    if (i != 行.size() || 内容.下载.empty() || 内容.说明.size() > 说明最长) return std::nullopt;
    return 内容;
}

}  // namespace

bool 是版本号(const QString& 版本)
{
    return 版本数(版本).has_value();
}

bool 较新(const QString& 甲, const QString& 乙)
{
    const auto 甲数 = 版本数(甲), 乙数 = 版本数(乙);
    return 甲数 && 乙数 && *甲数 > *乙数;
}

QByteArray 正文(const 列表& 内容)
{
    QByteArray 文本 = 首行 + '\n';
    文本 += "product " + 内容.产品.toUtf8() + '\n';
    文本 += "version " + 内容.版本.toUtf8() + '\n';
    文本 += "expires " + 内容.到期.toUTC().toString(Qt::ISODate).toUtf8() + '\n';
    for (const 下载项& 项 : 内容.下载) {
        文本 += "download " + 项.系统.toUtf8() + ' ' + 项.地址.toEncoded() + ' ' + QByteArray::number(项.大小) + ' '
            + 项.sha256.toHex() + '\n';
    }
    if (!内容.说明.isEmpty()) {
        for (const QString& 行 : 内容.说明.split(QLatin1Char('\n'))) 文本 += "notes " + 行.toUtf8() + '\n';
    }
    return 文本;
}

QByteArray 签名行(const QByteArray& 签名)
{
    return 签名前缀 + 签名.toHex() + '\n';
}

检查结果 检查(const QByteArray& 列表文本, const 期望& 期望)
{
    检查结果 结果;
    // The signature first: nothing of a list the maker did not sign is read any further.
    const qsizetype 签名处 = 列表文本.lastIndexOf('\n' + 签名前缀) + 1;
    if (列表文本.size() > 列表最长 || 签名处 == 0 || !列表文本.endsWith('\n')) return 结果;
    const QByteArray 签名 = 列表文本.mid(签名处 + 签名前缀.size()).chopped(1);
    if (!是十六进制(签名, 2 * crypto_sign_BYTES)) return 结果;
    const QByteArray 签名值 = QByteArray::fromHex(签名);
    if (sodium_init() < 0 || 期望.公钥.size() != crypto_sign_PUBLICKEYBYTES
        || crypto_sign_verify_detached(reinterpret_cast<const unsigned char*>(签名值.constData()),
                                       reinterpret_cast<const unsigned char*>(列表文本.constData()),
                                       static_cast<unsigned long long>(签名处),
                                       reinterpret_cast<const unsigned char*>(期望.公钥.constData()))
               != 0) {
        结果.结论 = 判定::签名不符;
        return 结果;
    }

    const auto 内容 = 解析(列表文本.left(签名处));
    if (!内容) return 结果;
    if (内容->产品 != 期望.产品) {
        结果.结论 = 判定::他人产品;
    } else if (内容->到期 <= 期望.现在) {
        结果.结论 = 判定::已过期;
    } else if (!较新(内容->版本, 期望.当前版本)) {
        结果.结论 = 判定::并非更新;
    } else {
        结果.结论 = 判定::无本系统下载;
        for (const 下载项& 项 : 内容->下载) {
            if (项.系统 != 期望.系统) continue;
            // Downloads come from where the list came from, never from another host.
            const bool 同主机 = 项.地址.host().compare(期望.列表地址.host(), Qt::CaseInsensitive) == 0
                && 项.地址.port(80) == 期望.列表地址.port(80) && 项.地址.scheme() == 期望.列表地址.scheme();
            结果.结论 = 同主机 ? 判定::有更新 : 判定::异地下载;
            结果.下载 = 项;
        }
        结果.版本 = 内容->版本;
        结果.说明 = 内容->说明;
    }
    return 结果;
}

}  // namespace 更新
