#include "system_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

void 系统剪贴板::清空()
{
    QGuiApplication::clipboard()->clear();
}

void 系统剪贴板::放入文本(const QString& 文本)
{
    QString 纯文本 = 文本;
    纯文本.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QGuiApplication::clipboard()->setText(纯文本);
}
