#include "memory_result_box.h"
#include "qt_result_box.h"

#include <QTest>
#include <QTextCursor>
#include <QTextEdit>

// The QTextEdit adapter must behave as the in-memory box for the same operations:
// same text, same selection, and the same bold flag and colour on every character.
class ResultBoxAdapterTest : public QObject {
    Q_OBJECT
private slots:
    void sameAsMemoryBox_data();
    void sameAsMemoryBox();
    void selectionCountsCrLfAsTwo();
};

namespace {

struct 操作 {
    int 起点;       // -1: write the text anew
    int 长度;
    int 粗体;       // -1 leaves it
    qint64 颜色;    // -1 leaves it
};

内存结果框::字格式 文档格式(QTextEdit& 编辑, const 文本框结果框& 框, int 位置)
{
    QTextCursor 光标(编辑.document());
    光标.setPosition(框.文档位置(位置) + 1);  // charFormat is that of the character before the cursor
    const QTextCharFormat 格式 = 光标.charFormat();
    const QColor 颜色 = 格式.foreground().color();
    return {格式.fontWeight() >= QFont::Bold,
            static_cast<quint32>(颜色.red() | (颜色.green() << 8) | (颜色.blue() << 16))};
}

}  // namespace

Q_DECLARE_METATYPE(QList<操作>)

void ResultBoxAdapterTest::sameAsMemoryBox_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<操作>>("steps");

    const QString 三行 = u"您的身体质量指数（BMI）为：22.49\r\n第二行\r\n第三行"_qs;
    QTest::newRow("bold across a line break") << 三行
        << QList<操作>{{0, 100, 0, 0x444444}, {0, 21, 1, 0x333333}, {15, 5, -1, 0xAA33FF}, {0, 0, -1, -1}};
    QTest::newRow("selection beyond the end is cut") << 三行 << QList<操作>{{30, 50, 1, 0x0000FF}};
    QTest::newRow("colour only in the last line") << 三行 << QList<操作>{{26, 3, -1, 0x00FF00}};
    QTest::newRow("empty lines") << u"a\r\n\r\nb\r\n\r\n"_qs << QList<操作>{{0, 4, 1, 0x123456}, {5, 2, 0, -1}};
    QTest::newRow("empty text") << QString() << QList<操作>{{0, 5, 1, 0xFF}};
    QTest::newRow("new text after formatting starts plain") << 三行
        << QList<操作>{{0, 10, 1, 0x0000FF}, {-1, 0, -1, -1}, {0, 0, -1, -1}};
}

void ResultBoxAdapterTest::sameAsMemoryBox()
{
    QFETCH(QString, text);
    QFETCH(QList<操作>, steps);

    QTextEdit 编辑;
    文本框结果框 控件框(编辑);
    内存结果框 内存框;
    for (结果框* 框 : {static_cast<结果框*>(&控件框), static_cast<结果框*>(&内存框)}) {
        框->设置文本(text);
        for (const 操作& 步 : steps) {
            if (步.起点 < 0) {  // write the text anew
                框->设置文本(text);
                continue;
            }
            选择(*框, 步.起点, 步.长度);
            if (步.粗体 >= 0) 框->设置选择粗体(步.粗体 == 1);
            if (步.颜色 >= 0) 框->设置选择颜色(static_cast<quint32>(步.颜色));
        }
    }

    QCOMPARE(控件框.文本(), 内存框.文本());
    QCOMPARE(控件框.选择起点(), 内存框.选择起点());
    QCOMPARE(控件框.选择长度(), 内存框.选择长度());
    QCOMPARE(控件框.选中文本(), 内存框.选中文本());
    for (int i = 0; i < 内存框.文本().size(); ++i) {
        // One paragraph break stands for CR LF in the document; its format is not shown.
        if (内存框.文本()[i] == u'\n' || 内存框.文本()[i] == u'\r') continue;
        const auto 期望 = 内存框.格式(i);
        const auto 实际 = 文档格式(编辑, 控件框, i);
        QVERIFY2(期望.粗体 == 实际.粗体, qPrintable(QStringLiteral("bold at %1").arg(i)));
        QVERIFY2(期望.颜色 == 实际.颜色, qPrintable(QStringLiteral("colour at %1").arg(i)));
    }
}

void ResultBoxAdapterTest::selectionCountsCrLfAsTwo()
{
    QTextEdit 编辑;
    文本框结果框 框(编辑);
    框.设置文本(QStringLiteral("ab\r\ncd\r\nef"));
    QCOMPARE(框.文本().size(), 10);
    选择(框, 4, 4);
    QCOMPARE(框.选中文本(), QStringLiteral("cd\r\n"));
    QCOMPARE(编辑.textCursor().selectedText(), QStringLiteral(u"cd\u2029"));
    QCOMPARE(框.选择起点(), 4);
    QCOMPARE(框.选择长度(), 4);
}

QTEST_MAIN(ResultBoxAdapterTest)
#include "tst_result_box_adapter.moc"
