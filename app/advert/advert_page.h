#pragma once

#include <QWebEnginePage>

// The advert strip's page: remote content over plain HTTP inside our window, so it may
// show its page and nothing more. A click on a link opens the system's browser and the
// strip keeps its page; no new windows or pop-ups, no local files, no plugins, no
// scrollbars (the page is cut at the strip's size). Nothing is stored: the profile is
// off the record.
class 广告页 final : public QWebEnginePage {
public:
    explicit 广告页(QObject* 父);

protected:
    bool acceptNavigationRequest(const QUrl& 地址, NavigationType 类型, bool 主框架) override;
    QWebEnginePage* createWindow(WebWindowType 类型) override;
    // The page's script messages are not the user's business.
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString&, int, const QString&) override {}
};
