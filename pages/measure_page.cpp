#include "measure_page.h"

#include "frame_line.h"
#include "message_service.h"
#include "picture_panel.h"
#include "result_box_widget.h"
#include "program_fonts.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

namespace {

QLabel* 标签(const QString& 文本, QWidget* 父, const QString& 名称)
{
    auto* 标 = new QLabel(标签文本(文本), 父);
    标->setObjectName(名称);
    标->setAccessibleName(文本.trimmed());
    标->setAttribute(Qt::WA_TranslucentBackground);
    return 标;
}

// Shape_边框: a one-pixel outline around the result box.
class 边框 final : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter 画笔(this);
        画框线(画笔, rect(), QColor(0xBE, 0xD0, 0x17));
    }
};

}  // namespace

测量页面::测量页面(const 页面条目& 条目, std::function<void()> 关闭后)
    : 页面窗口(std::move(关闭后)), m_描述(*条目.测量), m_顶部图片(条目.图标)
{
    setObjectName(m_描述.窗体名);
    setWindowTitle(m_描述.标题栏);
    setWindowIcon(程序图标());
    setFixedSize(674, 532);
    建立顶部();
    建立底部();
}

void 测量页面::建立顶部()
{
    auto* 顶部 = new 图片面板(QStringLiteral(":/assets/page-header.svg"), this);
    顶部->setObjectName(QStringLiteral("Picture_顶部"));
    顶部->setGeometry(0, 0, 675, 179);

    auto* 图片 = new 图片面板(m_顶部图片, 顶部);
    图片->setObjectName(QStringLiteral("Image_顶部图片"));
    图片->setAccessibleName(m_描述.顶部标题);
    图片->setGeometry(70, 62, 83, 83);

    QLabel* 标题 = 标签(m_描述.顶部标题, 顶部, QStringLiteral("Label_顶部标题"));
    标题->setFont(界面字体::宋体(10.5, true));
    标题->setGeometry(188, 42, 167, 23);

    QLabel* 提示 = 标签(m_描述.顶部提示, 顶部, QStringLiteral("Label_顶部提示"));
    提示->setWordWrap(true);
    提示->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    提示->setGeometry(187, 71, 433, 108);  // six lines of the Linux CJK fonts, to the header's foot
}

void 测量页面::建立底部()
{
    auto* 底部 = new 图片面板(QStringLiteral(":/assets/page-body.svg"), this);
    底部->setObjectName(QStringLiteral("Picture_底部"));
    底部->setGeometry(0, 178, 675, 353);

    QLabel* 输入提示 = 标签(m_描述.输入提示, 底部, QStringLiteral("Label_Tip"));
    输入提示->setFont(界面字体::宋体(10.5, true));
    输入提示->move(44, 24);
    输入提示->adjustSize();

    QWidget* 上一个 = nullptr;
    auto 排入 = [&上一个](QWidget* 控件) {
        if (上一个) QWidget::setTabOrder(上一个, 控件);
        上一个 = 控件;
    };

    if (m_描述.有性别) {
        标签(QStringLiteral(u"性别："), 底部, QStringLiteral("Label_性别"))->move(54, 61);
        auto* 组 = new QButtonGroup(this);
        const QString 名称[2] = {QStringLiteral(u"男"), QStringLiteral(u"女")};
        for (int i = 0; i < 2; ++i) {
            m_性别[i] = new QRadioButton(名称[i], 底部);
            m_性别[i]->setObjectName(QStringLiteral("Option_性别_%1").arg(i));
            m_性别[i]->setAccessibleName(名称[i]);
            m_性别[i]->setGeometry(90 + 36 * i, 57, 35, 19);
            // White boxes on the body panel's green: a button fills with its Button colour
            // (the design's grey) unless told to take the window's white.
            m_性别[i]->setBackgroundRole(QPalette::Window);
            m_性别[i]->setAutoFillBackground(true);
            组->addButton(m_性别[i], i);
        }
        // One stop of the Tab key, on the checked option, as option buttons are in a
        // dialog of the system; the arrow keys move between them and check them.
        connect(组, &QButtonGroup::buttonToggled, this, [](QAbstractButton* 项, bool 选中) {
            项->setFocusPolicy(选中 ? Qt::StrongFocus : Qt::ClickFocus);
        });
        m_性别[1]->setFocusPolicy(Qt::ClickFocus);
        m_性别[0]->setChecked(true);
        排入(m_性别[0]);
        排入(m_性别[1]);
    }

    int 索引 = 0;
    for (const 输入栏& 栏 : m_描述.输入) {
        标签(栏.标题, 底部, QStringLiteral("Label_Tips_%1").arg(2 * 索引))->move(栏.标题x, 61);
        auto* 框 = new QLineEdit(底部);
        框->setObjectName(QStringLiteral("Text_Value_%1").arg(索引));
        框->setAccessibleName(栏.标题.chopped(1) + QLatin1Char(' ') + 栏.单位);  // "身高 厘米"
        框->setGeometry(栏.框x, 58, 43, 18);
        框->setTextMargins(1, 0, 1, 0);
        标签(栏.单位, 底部, QStringLiteral("Label_Tips_%1").arg(2 * 索引 + 1))->move(栏.单位x, 61);
        m_输入框.push_back(框);
        排入(框);
        ++索引;
    }

    m_计算按钮 = new QPushButton(QStringLiteral(u"计算"), 底部);
    m_计算按钮->setObjectName(QStringLiteral("Command_计算"));
    m_计算按钮->setAccessibleName(QStringLiteral(u"计算"));
    m_计算按钮->setGeometry(536, 56, 95, 23);
    m_计算按钮->setDefault(true);  // drawn as the default; Enter reaches it through keyPressEvent
    if (m_描述.计算按钮提示) m_计算按钮->setToolTip(QStringLiteral(u"点击进行计算"));
    connect(m_计算按钮, &QPushButton::clicked, this, [this] { 计算(); });
    排入(m_计算按钮);

    auto* 框线 = new 边框(底部);
    框线->setObjectName(QStringLiteral("Shape_边框"));
    框线->setGeometry(34, 96, 607, 233);

    m_结果框 = new 结果框控件(底部);
    m_结果框->setGeometry(36, 98, 603, 229);
    排入(m_结果框);

    if (!m_输入框.empty()) m_输入框.front()->setFocus();
}

QString 测量页面::文本(int 索引) const
{
    if (索引 < 0 || 索引 >= static_cast<int>(m_输入框.size())) return {};
    return m_输入框[static_cast<std::size_t>(索引)]->text();
}

性别 测量页面::选中性别() const
{
    return m_性别[1] && m_性别[1]->isChecked() ? 性别::女 : 性别::男;
}

void 测量页面::keyPressEvent(QKeyEvent* 事件)
{
    // What the focused control leaves of Enter reaches the page, as the default button
    // of a dialog gets it.
    if ((事件->key() == Qt::Key_Return || 事件->key() == Qt::Key_Enter) && !(事件->modifiers() & ~Qt::KeypadModifier)) {
        计算();
        return;
    }
    页面窗口::keyPressEvent(事件);
}

void 测量页面::计算()
{
    m_描述.计算(*this, m_结果框->操作(), 消息服务::当前());
}
