#pragma once

#include "drawn_ahead.h"
#include "page_table.h"
#include "product_identity.h"

#include <QWidget>

#include <array>

class QLabel;
class QTimer;
class 广告条;
class 磁贴按钮;

// The launcher: the advert strip at the top and the seven tiles below it. A left
// press on a tile's icon or title opens its page, and so do Enter and Space on the
// tile that has the keyboard's focus. Each load of the window prepares
// the start-up data, points the strip at the advert page and starts the update check.
class Form_Main final : public QWidget {
public:
    static constexpr const char16_t* 标题 = u"" VETTORA_WINDOW_TITLE;

    Form_Main();

    // Shows the launcher; a launcher that was closed loads its data again first.
    void 显示();
    // Another start of the program: visible, restored and on top, with the token that
    // start's desktop gave it.
    void 唤醒(const QByteArray& 凭据 = {});

    磁贴按钮* 磁贴(int 索引) const { return m_磁贴[static_cast<std::size_t>(索引)]; }
    QWidget* 图标(int 索引) const;
    QLabel* 磁贴标题(int 索引) const;
    广告条* 广告() const { return m_广告; }
    QTimer* 更新计时() const { return m_更新计时; }

protected:
    void closeEvent(QCloseEvent* 事件) override;
    void paintEvent(QPaintEvent* 事件) override;

private:
    void 载入();
    void 建立磁贴(QWidget* 背景);
    void 打开(qint16 索引);

    广告条* m_广告 = nullptr;      // WebBrowser_AD
    QTimer* m_更新计时 = nullptr;  // Timer_Update: the update check, five seconds after each load
    bool m_已载入 = false;
    bool m_已居中 = false;
    bool m_已绘制 = false;
    std::array<磁贴按钮*, 页::页数> m_磁贴{};
    预绘 m_预绘;  // the tiles' texts, drawn while the window is built and shown
    qint16 m_上次磁贴 = 0;  // where the keyboard's focus goes when the launcher shows
};
