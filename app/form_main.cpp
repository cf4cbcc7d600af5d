#include "form_main.h"

#include "advert_strip.h"
#include "hand_cursor.h"
#include "launcher_tiles.h"
#include "open_page.h"
#include "page_window.h"
#include "picture_panel.h"
#include "program_fonts.h"
#include "server_addresses.h"
#include "startup_data.h"
#include "startup_log.h"
#include "update_check.h"
#include "widget_triggers.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QTimer>

namespace {

void 设置文字颜色(QWidget* 控件, const QColor& 颜色)
{
    QPalette 调色板 = 控件->palette();
    调色板.setColor(QPalette::WindowText, 颜色);
    控件->setPalette(调色板);
}

}  // namespace

Form_Main::Form_Main()
{
    setObjectName(QStringLiteral("Form_Main"));
    setWindowTitle(QString::fromUtf16(标题));
    setWindowIcon(QIcon(QStringLiteral(":/assets/vettora.svg")));
    setFixedSize(854, 560);

    m_广告 = new 广告条(this);
    m_广告->setGeometry(-2, 0, 857, 95);

    m_更新计时 = new QTimer(this);
    m_更新计时->setObjectName(QStringLiteral("Timer_Update"));
    m_更新计时->setInterval(5000);
    m_更新计时->setTimerType(Qt::PreciseTimer);  // a coarse timer may fire up to 5 % early
    connect(m_更新计时, &QTimer::timeout, this, [this] {
        m_更新计时->stop();  // once per load of the launcher
        modUpdate::DoUpdate(QString::fromLatin1(更新列表地址), QCoreApplication::applicationDirPath());
    });

    auto* 背景 = new 图片面板(QStringLiteral(":/assets/launcher-background.svg"), this);
    背景->setObjectName(QStringLiteral("Picture_底部背景"));
    背景->setGeometry(0, 96, 854, 463);
    建立磁贴(背景);
}

void Form_Main::建立磁贴(QWidget* 背景)
{
    const QCursor 手形 = 手形光标();
    for (std::size_t i = 0; i < 启动窗口磁贴().size(); ++i) {
        const 磁贴& 贴 = 启动窗口磁贴()[i];
        const auto 索引 = static_cast<qint16>(i);

        auto* 面板 = new QWidget(背景);
        面板->setObjectName(QStringLiteral("Picture_Back_%1").arg(i));
        面板->setGeometry(贴.x, 贴.y, 274, 112);
        面板->setAutoFillBackground(true);
        QPalette 白底 = 面板->palette();
        白底.setColor(QPalette::Window, Qt::white);
        面板->setPalette(白底);

        auto* 图标 = new 图片面板(贴.图标, 面板);
        图标->setObjectName(QStringLiteral("Image_Logo_%1").arg(i));
        图标->setAccessibleName(贴.标题);
        图标->setGeometry(12, 11, 90, 90);
        图标->setCursor(手形);

        auto* 标题 = new QLabel(贴.标题, 面板);
        标题->setObjectName(QStringLiteral("Label_Title_%1").arg(i));
        标题->setAccessibleName(贴.标题);
        标题->setFont(界面字体::宋体(12, true));
        标题->setGeometry(116, 22, 156, 22);
        标题->setCursor(手形);
        设置文字颜色(标题, 贴.绿色标题 ? QColor(0x33, 0x99, 0x00) : QColor(0x50, 0x50, 0x50));

        auto* 说明 = new QLabel(标签文本(贴.说明), 面板);
        说明->setObjectName(QStringLiteral("Label_Tips_%1").arg(i));
        说明->setAccessibleName(贴.说明.trimmed());
        说明->setWordWrap(true);
        说明->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // Taller than on Windows: the Linux CJK fonts need more line spacing for three lines.
        说明->setGeometry(116, 50, 144, std::max(贴.说明高度, 56));
        设置文字颜色(说明, QColor(0x80, 0x80, 0x80));

        for (QWidget* 可按 : {static_cast<QWidget*>(图标), static_cast<QWidget*>(标题)}) {
            左键按下时(可按, [this, 索引] { 方法_Form_Main::打开页面(*this, 索引); });
        }
        m_图标[i] = 图标;
        m_标题[i] = 标题;
    }
}

void Form_Main::载入()
{
    自定义方法::初始化数据();
    m_广告->导航(QUrl(QString::fromLatin1(广告页地址)));
    m_更新计时->start();
    m_已载入 = true;
}

void Form_Main::显示()
{
    if (!m_已载入) 载入();
    if (!m_已居中) {
        居中(*this);
        m_已居中 = true;
    }
    show();
}

void Form_Main::唤醒()
{
    显示();
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
}

void Form_Main::paintEvent(QPaintEvent* 事件)
{
    if (!m_已绘制) {
        m_已绘制 = true;
        qCInfo(启动日志, "launcher first paint");
    }
    QWidget::paintEvent(事件);
}

void Form_Main::closeEvent(QCloseEvent* 事件)
{
    m_已载入 = false;  // the window is unloaded; the object lives on for the next load
    m_更新计时->stop();
    事件->accept();
}
