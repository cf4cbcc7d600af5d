#include "form_main.h"

#include "advert_strip.h"
#include "bring_forward.h"
#include "design_look.h"
#include "hand_cursor.h"
#include "launcher_tile.h"
#include "open_page.h"
#include "page_table.h"
#include "page_window.h"
#include "picture.h"
#include "picture_panel.h"
#include "server_addresses.h"
#include "startup_data.h"
#include "startup_log.h"
#include "update_check.h"
#include "widget_triggers.h"
#include "window_frame.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QTimer>

#include <algorithm>
#include <numeric>

namespace {

// Every tile's title and description, in the order of the tiles.
std::vector<预绘::文字> 磁贴文字()
{
    std::vector<预绘::文字> 文字们;
    for (const 页面条目& 贴 : 页面表()) {
        for (const 预绘::文字& 字 : 磁贴按钮::文字(贴)) 文字们.push_back(字);
    }
    return 文字们;
}

}  // namespace

Form_Main::Form_Main() : m_预绘(磁贴文字())
{
    setObjectName(QStringLiteral("Form_Main"));
    setWindowTitle(QString::fromUtf16(标题));
    setFixedSize(854, 560);
    固定窗口框(*this);
    界面外观::固定(*this);

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
    const auto& 表 = 页面表();
    const QCursor 手形 = 手形光标();
    for (std::size_t i = 0; i < 表.size(); ++i) {
        auto* 贴 = new 磁贴按钮(表[i], 手形, 背景);
        贴->setObjectName(QStringLiteral("Picture_Back_%1").arg(i));
        贴->图标()->setObjectName(QStringLiteral("Image_Logo_%1").arg(i));
        贴->标题()->setObjectName(QStringLiteral("Label_Title_%1").arg(i));
        贴->说明()->setObjectName(QStringLiteral("Label_Tips_%1").arg(i));
        const auto 索引 = static_cast<qint16>(i);
        for (QWidget* 可按 : {贴->图标(), static_cast<QWidget*>(贴->标题())}) {
            左键按下时(可按, [this, 索引] { 打开(索引); });
        }
        connect(贴, &QAbstractButton::clicked, this, [this, 索引] { 打开(索引); });
        贴->设置预绘(m_预绘.取(2 * i), m_预绘.取(2 * i + 1));
        m_磁贴[i] = 贴;
    }

    // The keyboard goes through the tiles in reading order, row by row, and the arrow
    // keys to the tile beside, above or below in the grid.
    std::array<std::size_t, 页::页数> 次序;
    std::iota(次序.begin(), 次序.end(), 0);
    std::sort(次序.begin(), 次序.end(), [&表](std::size_t 甲, std::size_t 乙) {
        return std::pair(表[甲].行, 表[甲].列) < std::pair(表[乙].行, 表[乙].列);
    });
    for (std::size_t k = 1; k < 次序.size(); ++k) setTabOrder(m_磁贴[次序[k - 1]], m_磁贴[次序[k]]);
    for (std::size_t i = 0; i < 表.size(); ++i) {
        for (std::size_t j = 0; j < 表.size(); ++j) {
            const int 行差 = 表[j].行 - 表[i].行, 列差 = 表[j].列 - 表[i].列;
            if (行差 == 0 && 列差 == -1) m_磁贴[i]->设置邻居(Qt::Key_Left, m_磁贴[j]);
            if (行差 == 0 && 列差 == 1) m_磁贴[i]->设置邻居(Qt::Key_Right, m_磁贴[j]);
            if (列差 == 0 && 行差 == -1) m_磁贴[i]->设置邻居(Qt::Key_Up, m_磁贴[j]);
            if (列差 == 0 && 行差 == 1) m_磁贴[i]->设置邻居(Qt::Key_Down, m_磁贴[j]);
        }
    }
    m_磁贴[0]->setFocus();
}

void Form_Main::打开(qint16 索引)
{
    m_上次磁贴 = 索引;
    方法_Form_Main::打开页面(*this, 索引);
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
    m_磁贴[static_cast<std::size_t>(m_上次磁贴)]->setFocus();  // back on the tile that opened the page
    show();
}

void Form_Main::唤醒(const QByteArray& 凭据)
{
    显示();
    前台::唤起(*this, 凭据);
}

void Form_Main::paintEvent(QPaintEvent* 事件)
{
    if (!m_已绘制) {
        m_已绘制 = true;
        // Said once the whole first frame, tiles and all, has been painted and shown; the
        // title bar's icon follows it, as it need not hold up that frame.
        QTimer::singleShot(0, this, [this] {
            qCInfo(启动日志, "launcher first paint");
            setWindowIcon(程序图标());
        });
    }
    QWidget::paintEvent(事件);
}

void Form_Main::closeEvent(QCloseEvent* 事件)
{
    m_已载入 = false;  // the window is unloaded; the object lives on for the next load
    m_更新计时->stop();
    事件->accept();
}

QWidget* Form_Main::图标(int 索引) const
{
    return 磁贴(索引)->图标();
}

QLabel* Form_Main::磁贴标题(int 索引) const
{
    return 磁贴(索引)->标题();
}
