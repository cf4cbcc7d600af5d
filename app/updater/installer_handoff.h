#pragma once

#include <QByteArray>
#include <QString>

// What installs a verified download, and how: a file per system. On Windows the setup
// program runs at once, as this user (it asks for elevation itself, and closes a running
// Vettora its own way); on Linux the .deb goes to the desktop's package installer when the
// person asks for it, and the updater says how to install it by hand.
namespace 安装交付 {

// This system's entry in the update list.
QString 系统();
// The name a download of 版本 is saved under.
QString 文件名(const QString& 版本);
// Whether the updater hands the download over as soon as it is verified, and is done then.
bool 验证后即交付();

// Checks the file once more against its size and SHA-256, where nobody can change it
// between the check and the start, and starts what installs it: true when that started.
bool 交给安装程序(const QString& 文件, qint64 大小, const QByteArray& sha256);

// How a person installs the file by hand; empty where the system needs none.
QString 手动安装说明(const QString& 文件);

}  // namespace 安装交付
