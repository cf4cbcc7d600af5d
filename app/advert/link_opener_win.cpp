#include "link_opener.h"

#include <QDesktopServices>
#include <QUrl>

void 在浏览器中打开(const QUrl& 地址)
{
    QDesktopServices::openUrl(地址);
}
