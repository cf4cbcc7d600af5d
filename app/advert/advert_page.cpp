#include "advert_page.h"

#include "link_opener.h"

#include <QWebEngineProfile>
#include <QWebEngineSettings>

namespace {

QWebEngineProfile* 无痕档案()
{
    static QWebEngineProfile* 档案 = new QWebEngineProfile;  // no storage name: nothing is written
    return 档案;
}

}  // namespace

广告页::广告页(QObject* 父) : QWebEnginePage(无痕档案(), 父)
{
    QWebEngineSettings* 设置 = settings();
    // The page comes over plain HTTP, and whoever sits in between may change it: without
    // scripts it cannot open links by itself, nor spend the machine's memory and time.
    设置->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    设置->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    设置->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    设置->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    设置->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    设置->setAttribute(QWebEngineSettings::PdfViewerEnabled, false);
    设置->setAttribute(QWebEngineSettings::ShowScrollBars, false);
    设置->setAttribute(QWebEngineSettings::AutoLoadIconsForPage, false);
}

bool 广告页::acceptNavigationRequest(const QUrl& 地址, NavigationType 类型, bool 主框架)
{
    if (类型 == NavigationTypeLinkClicked) {
        if (地址.scheme() == QLatin1String("http") || 地址.scheme() == QLatin1String("https")) {
            在浏览器中打开(地址);
        }
        return false;
    }
    if (地址.isLocalFile()) return false;
    return QWebEnginePage::acceptNavigationRequest(地址, 类型, 主框架);
}

QWebEnginePage* 广告页::createWindow(WebWindowType)
{
    return nullptr;
}
