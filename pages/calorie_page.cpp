#include "calorie_page.h"

#include "picture.h"
#include "result_box_widget.h"
#include "widget_triggers.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {

// The page's layout is given in twips; 15 twips make a pixel at 96 dpi.
constexpr int 像素(int 缇) { return 缇 / 15; }

// As the system's tree view does, the meal tree always has a node selected: the first
// meal from the start, so the first food a person picks goes to breakfast, and a click
// on the tree's empty part (or on the selected node with Ctrl) leaves the selection.
void 总有选中节点(QTreeWidget& 树)
{
    树.setCurrentItem(树.topLevelItem(0));
    QObject::connect(树.selectionModel(), &QItemSelectionModel::selectionChanged, &树,
                     [&树](const QItemSelection&, const QItemSelection& 取消) {
                         if (树.selectionModel()->hasSelection() || 取消.isEmpty()) return;
                         const QModelIndex 原选 = 取消.indexes().constFirst();
                         if (原选.isValid()) 树.selectionModel()->select(原选, QItemSelectionModel::Select);
                     });
}

}  // namespace

class Form_卡路里计算器::树适配 final : public 餐次树 {
public:
    explicit 树适配(QTreeWidget& 树) : m_树(树) {}

    void 添加根节点(const QString& 键, const QString& 文本) override
    {
        auto* 节点 = new QTreeWidgetItem(&m_树, {文本});
        节点->setData(0, Qt::UserRole, 键);
    }

    void 添加子节点(const QString& 父键, const QString& 文本) override
    {
        for (int i = 0; i < m_树.topLevelItemCount(); ++i) {
            QTreeWidgetItem* 父 = m_树.topLevelItem(i);
            if (父->data(0, Qt::UserRole).toString() == 父键) {
                new QTreeWidgetItem(父, {文本});
                return;
            }
        }
    }

    void 展开(int 位置) override
    {
        int 序 = 0;
        for (QTreeWidgetItemIterator 它(&m_树); *它; ++它) {
            if (++序 == 位置) {
                (*它)->setExpanded(true);
                return;
            }
        }
    }

    std::optional<QString> 选中节点文本() const override
    {
        const auto 选中 = m_树.selectedItems();
        if (选中.isEmpty()) return std::nullopt;
        return 选中.front()->text(0);
    }

    void 删除选中节点() override
    {
        const auto 选中 = m_树.selectedItems();
        if (!选中.isEmpty()) delete 选中.front();
    }

private:
    QTreeWidget& m_树;
};

class Form_卡路里计算器::列表适配 final : public 食物列表 {
public:
    explicit 列表适配(QTreeWidget& 列表) : m_列表(列表) {}

    void 添加行(const QString& 文本, const QString& 子项1, const QString& 子项2, const QString& 子项3) override
    {
        auto* 行 = new QTreeWidgetItem(&m_列表, {文本, 子项1, 子项2, 子项3});
        行->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        行->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
    }

    std::optional<行> 选中行() const override
    {
        const auto 选中 = m_列表.selectedItems();
        if (选中.isEmpty()) return std::nullopt;
        return 行{选中.front()->text(0), 选中.front()->text(2)};
    }

private:
    QTreeWidget& m_列表;
};

Form_卡路里计算器::Form_卡路里计算器(std::function<void()> 关闭后)
    : 页面窗口(std::move(关闭后)), m_树(new QTreeWidget(this)), m_列表(new QTreeWidget(this)),
      m_结果框(new 结果框控件(this)), m_树适配(std::make_unique<树适配>(*m_树)),
      m_列表适配(std::make_unique<列表适配>(*m_列表)), m_页面{*m_树适配, *m_列表适配, m_结果框->操作()}
{
    setObjectName(QStringLiteral(u"Form_卡路里计算器"));
    setWindowTitle(QStringLiteral(u"卡路里计算器"));
    setWindowIcon(程序图标());
    setFixedSize(像素(10110), 像素(7980));

    m_树->setObjectName(QStringLiteral(u"TreeView_食物列表"));
    m_树->setAccessibleName(QStringLiteral(u"餐次"));
    m_树->setToolTip(QStringLiteral(u"双击节点删除"));
    m_树->setHeaderLabel(QStringLiteral(u"餐次"));  // hidden; what a screen reader names the column
    m_树->setHeaderHidden(true);
    m_树->setGeometry(像素(30), 像素(30), 像素(3495), 像素(6975));

    m_列表->setObjectName(QStringLiteral(u"ListView_食物列表"));
    m_列表->setAccessibleName(QStringLiteral(u"食物列表"));
    m_列表->setToolTip(QStringLiteral(u"双击列表添加"));
    m_列表->setRootIsDecorated(false);
    m_列表->setUniformRowHeights(true);
    m_列表->setAllColumnsShowFocus(true);
    m_列表->setColumnCount(4);
    m_列表->setHeaderLabels({QStringLiteral(u"食物名称"), QStringLiteral(u"食物别名"), QStringLiteral(u"食物热量"),
                           QStringLiteral(u"食物重量")});
    m_列表->headerItem()->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    m_列表->headerItem()->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
    const int 列宽[4] = {2350, 1300, 1300, 1100};
    for (int i = 0; i < 4; ++i) m_列表->setColumnWidth(i, 像素(列宽[i]));
    m_列表->setGeometry(像素(3600), 像素(30), 像素(6435), 像素(7875));

    m_结果框->setGeometry(像素(60), 像素(7080), 像素(3465), 像素(825));
    setTabOrder(m_树, m_列表);
    setTabOrder(m_列表, m_结果框);
    m_树->setFocus();

    方法_卡路里计算器::添加餐次(m_页面);
    方法_卡路里计算器::初始化页面(m_页面);
    总有选中节点(*m_树);

    connect(m_列表, &QTreeWidget::itemDoubleClicked, this, [this] { 方法_卡路里计算器::添加食物(m_页面); });
    connect(m_树, &QTreeWidget::itemDoubleClicked, this, [this] { 方法_卡路里计算器::删除食物(m_页面); });
    // Enter does what a double-click does, so the page works from the keyboard; in the
    // meals, so does Delete, the key people press first to take something out.
    回车时(m_列表, [this] { 方法_卡路里计算器::添加食物(m_页面); });
    回车时(m_树, [this] { 方法_卡路里计算器::删除食物(m_页面); });
    删除键时(m_树, [this] { 方法_卡路里计算器::删除食物(m_页面); });
}

Form_卡路里计算器::~Form_卡路里计算器() = default;
