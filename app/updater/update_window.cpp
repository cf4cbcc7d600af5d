#include "update_window.h"

#include "design_look.h"
#include "page_window.h"
#include "picture.h"
#include "program_fonts.h"
#include "update_log.h"
#include "window_frame.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

QPushButton* 按钮(const QString& 文字, const std::function<void()>& 动作)
{
    auto* 钮 = new QPushButton(文字);
    钮->setFont(界面字体::宋体(9));  // the window's, whatever a desktop theme gives buttons
    钮->setMinimumSize(std::max(95, 钮->fontMetrics().horizontalAdvance(文字) + 24), 23);
    QObject::connect(钮, &QPushButton::clicked, 钮, 动作);
    return 钮;
}

}  // namespace

更新窗口::更新窗口(const QString& 当前版本) : m_当前版本(当前版本)
{
    setObjectName(QStringLiteral("Form_更新"));
    setWindowTitle(QStringLiteral(u"Vettora 更新"));
    setWindowIcon(程序图标());
    界面外观::固定(*this);
    固定窗口框(*this);

    m_标题 = new QLabel(this);
    m_标题->setFont(界面字体::宋体(10.5, true));
    m_提示 = new QLabel(this);
    m_说明 = new QTextEdit(this);
    m_说明->setReadOnly(true);
    m_说明->setAcceptRichText(false);
    m_说明->setAccessibleName(QStringLiteral(u"更新说明"));
    m_说明->setFixedSize(400, 150);

    m_立即更新 = 按钮(QStringLiteral(u"立即更新"), [this] {
        到(下载);
        m_流程->回答(true);
    });
    m_立即更新->setDefault(true);
    m_进度 = new QProgressBar(this);
    m_进度->setAccessibleName(QStringLiteral(u"下载进度"));
    m_结语 = new QLabel(this);
    m_结语->setWordWrap(true);
    m_结语->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_结语->setFixedWidth(400);

    m_下方 = new QStackedWidget;
    m_下方->addWidget(按钮行({m_立即更新, 按钮(QStringLiteral(u"以后再说"), [this] { close(); })}));
    auto* 下载行 = new QWidget;
    auto* 下载排 = new QHBoxLayout(下载行);
    下载排->setContentsMargins(0, 0, 0, 0);
    下载排->addWidget(m_进度, 1);
    下载排->addWidget(按钮(QStringLiteral(u"取消"), [this] { close(); }));
    m_下方->addWidget(下载行);
    auto* 结尾 = new QWidget;
    auto* 结尾排 = new QVBoxLayout(结尾);
    结尾排->setContentsMargins(0, 0, 0, 0);
    结尾排->addWidget(m_结语);
    auto* 打开 = 按钮(QStringLiteral(u"打开软件安装程序"), [this] { m_流程->打开安装程序(); });
    打开->setObjectName(QStringLiteral("打开软件安装程序"));
    结尾排->addWidget(按钮行({打开, 按钮(QStringLiteral(u"关闭"), [this] { close(); })}));
    m_下方->addWidget(结尾);

    auto* 排列 = new QVBoxLayout(this);
    排列->setSizeConstraint(QLayout::SetFixedSize);
    排列->setContentsMargins(16, 14, 16, 14);
    排列->setSpacing(8);
    for (QWidget* 控件 : {static_cast<QWidget*>(m_标题), static_cast<QWidget*>(m_提示), static_cast<QWidget*>(m_说明),
                          static_cast<QWidget*>(m_下方)}) {
        排列->addWidget(控件);
    }
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
}

QWidget* 更新窗口::按钮行(std::initializer_list<QPushButton*> 按钮们)
{
    auto* 行 = new QWidget;
    auto* 排 = new QHBoxLayout(行);
    排->setContentsMargins(0, 0, 0, 0);
    排->addStretch(1);
    for (QPushButton* 钮 : 按钮们) 排->addWidget(钮);
    return 行;
}

void 更新窗口::到(阶段 阶段)
{
    m_阶段 = 阶段;
    m_下方->setCurrentIndex(std::min<int>(阶段, 就绪));
}

void 更新窗口::提供(const QString& 版本, const QString& 说明)
{
    m_标题->setText(QStringLiteral(u"发现新版本 %1").arg(版本));
    m_提示->setText(QStringLiteral(u"您正在使用的是 %1。新版本的更新内容：").arg(m_当前版本));
    m_说明->setPlainText(说明);
    到(询问);
    // It comes while the person may be typing elsewhere: it does not take the keyboard, so
    // that no key meant for a page answers it.
    setAttribute(Qt::WA_ShowWithoutActivating);
    adjustSize();
    居中(*this);
    show();
    m_立即更新->setFocus();
    qCInfo(更新日志, "offered %s", qPrintable(版本));
}

void 更新窗口::下载进度(qint64 已收, qint64 总数)
{
    // In kibibytes: the bar counts in int.
    m_进度->setRange(0, static_cast<int>(总数 / 1024));
    m_进度->setValue(static_cast<int>(已收 / 1024));
}

void 更新窗口::已就绪(const QString& 手动说明)
{
    m_提示->setText(QStringLiteral(u"新版本已下载，并已核对是发布的原文件。"));
    m_结语->setText(QStringLiteral(u"点“打开软件安装程序”安装它。") + QLatin1Char('\n') + 手动说明 + QLatin1Char('\n')
                    + QStringLiteral(u"关闭此窗口后，下载的文件将被删除。"));
    到(就绪);
    auto* 打开 = m_下方->widget(就绪)->findChild<QPushButton*>(QStringLiteral("打开软件安装程序"));
    m_立即更新->setDefault(false);
    打开->setDefault(true);
    打开->setFocus();
    qCInfo(更新日志, "verified");
}

void 更新窗口::未完成(const QString& 原因)
{
    m_提示->setText(QStringLiteral(u"更新未完成。"));
    // Where the package installer could not be opened, how to install by hand stays in view.
    m_结语->setText(m_阶段 == 就绪 ? 原因 + QLatin1Char('\n') + m_结语->text() : 原因);
    m_下方->widget(就绪)->findChild<QPushButton*>(QStringLiteral("打开软件安装程序"))->hide();
    到(结束);
    qCInfo(更新日志, "not finished");
}

void 更新窗口::closeEvent(QCloseEvent* 事件)
{
    事件->accept();
    if (!m_流程) return;
    switch (m_阶段) {
    case 询问: m_流程->回答(false); break;
    case 下载: m_流程->取消(); break;
    case 就绪:
    case 结束: m_流程->关闭(); break;
    }
}
