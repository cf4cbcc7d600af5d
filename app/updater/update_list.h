#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QUrl>

#include <optional>
#include <vector>

// The update list the maker publishes, a small UTF-8 text of lines ending in a line feed:
//
//   vettora-update-list 1
//   product cn.vettora.Vettora
//   version 3.1.0.0
//   expires 2027-03-01T00:00:00Z
//   download windows-x64 http://www.vettora.cn/softs/vettora/Vettora-3.1.0.0-setup.exe 23456789 <SHA-256>
//   download debian-amd64 http://www.vettora.cn/softs/vettora/vettora_3.1.0.0-1_amd64.deb 12345678 <SHA-256>
//   notes 修复了卡路里计算器的……
//   notes （每行说明一行）
//   signature <Ed25519 signature, 128 hexadecimal digits>
//
// The last line is the maker's signature over every byte before it, checked before
// anything else of the list is read; a SHA-256 is 64 lowercase hexadecimal digits. Every
// line but the notes appears once, in this order; nothing else may stand in the list.
namespace 更新 {

inline constexpr qsizetype 列表最长 = 64 * 1024;
inline constexpr qint64 下载最大 = qint64(1) << 31;

struct 下载项 {
    QString 系统;  // "windows-x64", "debian-amd64"
    QUrl 地址;
    qint64 大小 = 0;
    QByteArray sha256;  // 32 bytes
};

struct 列表 {
    QString 产品;
    QString 版本;
    QDateTime 到期;
    std::vector<下载项> 下载;
    QString 说明;  // lines joined by line feeds
};

// The list's text up to its signature line, as the maker signs it.
QByteArray 正文(const 列表& 内容);
// The signature line that ends the list.
QByteArray 签名行(const QByteArray& 签名);

// What the updater holds a list against.
struct 期望 {
    QByteArray 公钥;   // the maker's Ed25519 key, 32 bytes
    QUrl 列表地址;     // downloads come from its host
    QString 产品;
    QString 当前版本;  // only a newer version is an update
    QString 系统;      // the download this system takes
    QDateTime 现在;
};

enum class 判定 { 有更新, 无效, 签名不符, 他人产品, 已过期, 并非更新, 无本系统下载, 异地下载 };

struct 检查结果 {
    判定 结论 = 判定::无效;
    QString 版本;
    QString 说明;
    下载项 下载;  // this system's
};

检查结果 检查(const QByteArray& 列表文本, const 期望& 期望);

// Whether version 甲 comes after 乙: up to four dotted numbers of 0 to 65535, a missing
// one counting as 0. A version that is not of this form comes after nothing.
bool 较新(const QString& 甲, const QString& 乙);
bool 是版本号(const QString& 版本);

}  // namespace 更新
