#pragma once

#include <QUrl>
#include <QWidget>

// WebBrowser_AD: the advert page across the top of the launcher. The web view comes from
// the module beside the program (libvettora-advert.so), loaded one event-loop turn after
// the launcher's first paint, so the launcher never waits for the web engine; a page
// asked for before that is loaded then. Without the module (VETTORA_WEB off), and where
// the engine cannot run, the strip is a plain panel of the same size.
class 广告条 final : public QWidget {
public:
    explicit 广告条(QWidget* 父);

    void 导航(const QUrl& 地址);

    // The web view (a QWebEngineView) once it exists; nullptr before, and without the module.
    QWidget* 网页视图() const { return m_视图; }
    QUrl 地址() const { return m_地址; }

protected:
    void paintEvent(QPaintEvent* 事件) override;

private:
    void 建立视图();

    QWidget* m_视图 = nullptr;
    QUrl m_地址;
    bool m_已安排 = false;
};
