#pragma once

#include "advert_probe.h"
#include "picture.h"

#include <QPointer>
#include <QUrl>
#include <QWidget>

// WebBrowser_AD: the strip across the top of the launcher. It shows the program's own
// banner, and the advert page over it only when there is one: one event-loop turn after
// the launcher's first paint a HEAD request asks the server; only when the page is there
// is the web view module (libvettora-advert.so) loaded and the page shown. Without the
// module, without a screen or where the engine cannot run, the banner stays. When the
// page fails to load or its renderer dies, the module takes its view away and the
// banner is seen again.
class 广告条 final : public QWidget {
public:
    explicit 广告条(QWidget* 父);

    void 导航(const QUrl& 地址);

    // The web view (a QWebEngineView) while it exists; nullptr before, after a failure and
    // without the module. It is visible once its page has loaded.
    QWidget* 网页视图() const { return m_视图; }
    QUrl 地址() const { return m_地址; }

protected:
    void paintEvent(QPaintEvent* 事件) override;

private:
    void 开始();
    void 建立视图();

    图片 m_横幅;
    广告探测 m_探测;
    QPointer<QWidget> m_视图;
    QUrl m_地址;
    bool m_已绘制 = false;
};
