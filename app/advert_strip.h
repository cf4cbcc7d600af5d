#pragma once

#include <QUrl>
#include <QWidget>

// WebBrowser_AD: the advert page across the top of the launcher. The web view is made
// one event-loop turn after the launcher's first paint, so the launcher never waits for
// the web engine; a page asked for before that is loaded then. Without Qt WebEngine
// (VETTORA_WEB off), and where the engine cannot run, the strip is a plain panel of
// the same size.
class 广告条 final : public QWidget {
public:
    explicit 广告条(QWidget* 父);

    void 导航(const QUrl& 地址);

    // The web view once it exists (nullptr before, and always without Qt WebEngine).
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
