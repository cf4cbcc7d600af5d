#include "link_opener.h"

#include <QProcess>
#include <QUrl>

// Through xdg-open itself, as Qt would on a desktop: Qt would first look for a runtime
// folder to tell whether the program runs in a sandbox, and make one where there is none.
void 在浏览器中打开(const QUrl& 地址)
{
    QProcess::startDetached(QStringLiteral("xdg-open"), {QString::fromLatin1(地址.toEncoded())});
}
