#include "calorie_page.h"
#include "launcher_fixture.h"
#include "launcher_tile.h"
#include "measure_page.h"
#include "page_window.h"
#include "result_box_widget.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

// The windows on any desktop: a dark palette and a large font set by the desktop after
// the program has started, and the keyboard alone.
class AnyDesktopTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void designHoldsUnderADarkPaletteAndALargeFont();
    void launcherTilesByKeyboard();
    void measurePageByKeyboard();
    void caloriePageByKeyboard();
    void placedWithTheTitleBarInView_data();
    void placedWithTheTitleBarInView();

private:
    QWidget* 打开(qint16 索引);
    启动窗口夹具 m_夹具;
    Form_Main*& m_启动窗口 = m_夹具.启动窗口;
};

namespace {

// What a dark desktop theme with a 14-point font does to the application.
void 换成深色大字桌面()
{
    QPalette 深色;
    for (const auto 角色 : {QPalette::Window, QPalette::Base, QPalette::Button, QPalette::AlternateBase}) {
        深色.setColor(角色, QColor(0x30, 0x30, 0x30));
    }
    for (const auto 角色 : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        深色.setColor(角色, QColor(0xE0, 0xE0, 0xE0));
    }
    深色.setColor(QPalette::Highlight, QColor(0x80, 0x40, 0x00));
    QApplication::setPalette(深色);
    QFont 大字(QStringLiteral("DejaVu Sans"));
    大字.setPointSize(14);
    QApplication::setFont(大字);
}

// The rectangle a label's text takes, as it wraps or not (the line breaks that end some
// texts add nothing to see).
QRect 文字所需(const QLabel& 标签)
{
    QString 文字 = 标签.text();
    while (文字.endsWith(QLatin1Char('\n'))) 文字.chop(1);
    const int 方式 = int(标签.alignment()) | (标签.wordWrap() ? Qt::TextWordWrap : 0);
    return 标签.fontMetrics().boundingRect(标签.contentsRect(), 方式, 文字);
}

}  // namespace

void AnyDesktopTest::initTestCase()
{
    QVERIFY(m_夹具.启动());
}

void AnyDesktopTest::cleanup()
{
    m_夹具.收拾();
}

QWidget* AnyDesktopTest::打开(qint16 索引)
{
    方法_Form_Main::打开页面(*m_启动窗口, 索引);
    QWidget* 页 = 方法_Form_Main::页面(索引);
    if (!页 || !QTest::qWaitForWindowActive(页)) return nullptr;
    return 页;
}

void AnyDesktopTest::designHoldsUnderADarkPaletteAndALargeFont()
{
    QList<QImage> 原样;
    for (int i = 0; i < 7; ++i) 原样 << m_启动窗口->磁贴(i)->grab().toImage();
    const QPalette 桌面调色板 = QApplication::palette();
    const QFont 桌面字体 = QApplication::font();
    换成深色大字桌面();  // after the launcher exists, as a platform theme does
    for (int i = 0; i < 7; ++i) QCOMPARE(m_启动窗口->磁贴(i)->grab().toImage(), 原样[i]);

    QList<QWidget*> 窗口{m_启动窗口};
    for (qint16 i = 0; i < 7; ++i) {
        窗口 << 打开(i);
        QVERIFY(窗口.back());
    }
    QStringList 出框;
    for (QWidget* 窗 : 窗口) {
        for (const QLabel* 标签 : 窗->findChildren<QLabel*>()) {
            const QRect 所需 = 文字所需(*标签);
            if (!标签->contentsRect().contains(所需)) {
                出框 << QStringLiteral("%1 %2: %3 × %4 in %5 × %6").arg(窗->objectName(), 标签->text().left(8))
                             .arg(所需.width()).arg(所需.height()).arg(标签->width()).arg(标签->height());
            }
        }
        for (QLineEdit* 框 : 窗->findChildren<QLineEdit*>()) {
            框->setText(QStringLiteral("170"));
            const QImage 画面 = 框->grab().toImage();
            QCOMPARE(QColor(画面.pixel(框->width() - 4, 框->height() / 2)), QColor(Qt::white));
            QCOMPARE(框->palette().color(QPalette::Text), QColor(0x40, 0x40, 0x40));
        }
        for (QRadioButton* 选项 : 窗->findChildren<QRadioButton*>()) {  // white, at its right edge beyond the text
            QCOMPARE(QColor(选项->grab().toImage().pixel(选项->width() - 1, 1)), QColor(Qt::white));
        }
        for (结果框控件* 框 : 窗->findChildren<结果框控件*>()) {
            QCOMPARE(框->palette().color(QPalette::Base), QColor(Qt::white));
            QCOMPARE(框->palette().color(QPalette::Text), QColor(0x40, 0x40, 0x40));
            QCOMPARE(框->palette().color(QPalette::Active, QPalette::Highlight), QColor(0x00, 0x78, 0xD7));
            QCOMPARE(QColor(框->viewport()->grab().toImage().pixel(5, 5)), QColor(Qt::white));
        }
    }
    QVERIFY2(出框.isEmpty(), qPrintable(出框.join(QStringLiteral("; "))));
    QApplication::setPalette(桌面调色板);
    QApplication::setFont(桌面字体);
}

void AnyDesktopTest::launcherTilesByKeyboard()
{
    m_启动窗口->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_启动窗口));
    m_启动窗口->磁贴(0)->setFocus();
    // Reading order, row by row.
    QList<QWidget*> 顺序;
    for (int i = 0; i < 7; ++i) {
        顺序 << QApplication::focusWidget();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QList<QWidget*> 期望;
    for (int i : {0, 1, 3, 4, 5, 6, 2}) 期望 << m_启动窗口->磁贴(i);
    QCOMPARE(顺序, 期望);

    // Arrows go to the neighbour in the grid, and nowhere where there is none.
    const struct {
        int 从;
        Qt::Key 键;
        int 到;
    } 移动[] = {{4, Qt::Key_Down, 2}, {2, Qt::Key_Up, 4}, {4, Qt::Key_Up, 0}, {1, Qt::Key_Right, 3},
                {6, Qt::Key_Left, 5}, {5, Qt::Key_Left, 5}, {3, Qt::Key_Up, 3}};
    for (const auto& 步 : 移动) {
        m_启动窗口->磁贴(步.从)->setFocus();
        QTest::keyClick(m_启动窗口->磁贴(步.从), 步.键);
        QCOMPARE(QApplication::focusWidget(), m_启动窗口->磁贴(步.到));
    }

    // Enter and Space open the focused tile's page; back on the launcher, the focus is on it.
    for (const auto& [索引, 键] : {std::pair{3, Qt::Key_Return}, std::pair{6, Qt::Key_Space}}) {
        m_启动窗口->磁贴(索引)->setFocus();
        QTest::keyClick(m_启动窗口->磁贴(索引), 键);
        QWidget* 页 = 方法_Form_Main::页面(static_cast<qint16>(索引));
        QVERIFY(页 && 页->isVisible());
        QVERIFY(!m_启动窗口->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(页));
        QTest::keyClick(页, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!方法_Form_Main::页面(static_cast<qint16>(索引)));
        QVERIFY(m_启动窗口->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(m_启动窗口));
        QCOMPARE(QApplication::focusWidget(), m_启动窗口->磁贴(索引));
    }

    // The focus frame is the tile's own: a focused tile differs from an unfocused one at its edge.
    m_启动窗口->磁贴(1)->setFocus();
    QCOMPARE(QColor(m_启动窗口->磁贴(1)->grab().toImage().pixel(1, 50)), QColor(0x33, 0x99, 0x00));
    QCOMPARE(QColor(m_启动窗口->磁贴(3)->grab().toImage().pixel(1, 50)), QColor(Qt::white));
}

void AnyDesktopTest::measurePageByKeyboard()
{
    auto* 页 = dynamic_cast<测量页面*>(打开(3));  // standard weight: sex, age, height
    QVERIFY(页);
    QCOMPARE(QApplication::focusWidget(), 页->输入框(0));
    QTest::keyClicks(页->输入框(0), QStringLiteral("30"));
    QTest::keyClick(页->输入框(0), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), 页->输入框(1));
    QTest::keyClicks(页->输入框(1), QStringLiteral("170"));
    QTest::keyClick(页->输入框(1), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), 页->计算按钮());
    const QImage 有焦点的按钮 = 页->计算按钮()->grab().toImage();  // the default button shows its focus
    QTest::keyClick(页->计算按钮(), Qt::Key_Space);
    QVERIFY(页->结果框()->toPlainText().contains(QStringLiteral("标准体重")));
    QTest::keyClick(页->计算按钮(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), 页->结果框());
    QVERIFY(页->计算按钮()->grab().toImage() != 有焦点的按钮);
    QTest::keyClick(页->结果框(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), 页->性别选项(0));

    // The arrow checks 女, and Enter there calculates with it, as it does from the result
    // box; the Tab key then stops at 女 alone, both ways.
    const QString 男的结果 = 页->结果框()->toPlainText();
    QTest::keyClick(页->性别选项(0), Qt::Key_Right);
    QVERIFY(页->性别选项(1)->isChecked());
    QTest::keyClick(页->性别选项(1), Qt::Key_Return);
    const QString 女的结果 = 页->结果框()->toPlainText();
    QVERIFY(女的结果.contains(QStringLiteral("标准体重")) && 女的结果 != 男的结果);
    页->结果框()->setFocus();
    页->结果框()->clear();
    QTest::keyClick(页->结果框(), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(页->结果框()->toPlainText(), 女的结果);
    QTest::keyClick(页->结果框(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), 页->性别选项(1));
    QTest::keyClick(页->性别选项(1), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), 页->输入框(0));
    QTest::keyClick(页->输入框(0), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), 页->性别选项(1));

    // The menu from the keyboard (the menu key is the window system's to turn into a
    // context menu request: the end-to-end test presses it); Esc then closes the menu,
    // not the page.
    QTest::keyClick(页->结果框(), Qt::Key_F10, Qt::ShiftModifier);
    QTRY_VERIFY(页->结果框()->菜单()->isVisible());
    QTest::keyClick(页->结果框()->菜单(), Qt::Key_Escape);
    QTRY_VERIFY(!页->结果框()->菜单()->isVisible());
    QVERIFY(页->isVisible());
    QTest::keyClick(页->结果框(), Qt::Key_Escape);
    QVERIFY(!页->isVisible());
}

void AnyDesktopTest::caloriePageByKeyboard()
{
    auto* 页 = dynamic_cast<Form_卡路里计算器*>(打开(1));
    QVERIFY(页);
    QCOMPARE(QApplication::focusWidget(), 页->餐次树控件());
    // 早餐 is selected from the start, and a click on the tree's empty part leaves it so.
    QTreeWidget* 树 = 页->餐次树控件();
    QTest::mouseClick(树->viewport(), Qt::LeftButton, {}, QPoint(20, 树->viewport()->height() - 5));
    QCOMPARE(树->selectedItems(), QList<QTreeWidgetItem*>{树->topLevelItem(0)});
    QTest::keyClick(页->餐次树控件(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), 页->食物列表控件());
    QTest::keyClick(页->食物列表控件(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), 页->结果框());
    QTest::keyClick(页->结果框(), Qt::Key_Escape);
    QVERIFY(!页->isVisible());
}

void AnyDesktopTest::placedWithTheTitleBarInView_data()
{
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QPoint>("topLeft");
    // The launcher with a 31-pixel title bar: 856 × 592.
    QTest::newRow("fits: centred") << QRect(0, 0, 1280, 984) << QSize(856, 592) << QPoint(212, 196);
    QTest::newRow("below a top panel") << QRect(0, 40, 1280, 984) << QSize(856, 592) << QPoint(212, 236);
    // 175 % of 1920 × 1080 above a 40-pixel task bar: 1097 × 594 in the design's pixels.
    QTest::newRow("taller than the area") << QRect(0, 0, 1097, 594) << QSize(856, 600) << QPoint(120, 0);
    // 200 % of 1600 × 1200 beside a panel on the left.
    QTest::newRow("wider and taller") << QRect(30, 0, 770, 580) << QSize(856, 592) << QPoint(30, 0);
}

void AnyDesktopTest::placedWithTheTitleBarInView()
{
    QFETCH(QRect, area);
    QFETCH(QSize, frame);
    QFETCH(QPoint, topLeft);
    QCOMPARE(框架位置(area, frame), topLeft);
}

QTEST_MAIN(AnyDesktopTest)
#include "tst_any_desktop.moc"
