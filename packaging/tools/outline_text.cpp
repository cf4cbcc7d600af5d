// Turns the text of an SVG picture into outlines, at build time: the program then draws
// the picture's lettering as shapes, without looking up fonts, laying out text and
// loading glyphs while it paints its first frame.
// Usage: outline_text PICTURE.svg OUT.svg
// Each <text> becomes a <path> of the same glyphs, in the font its attributes (or those of
// its groups) name: font-family, font-size (pixels), font-weight, text-anchor.

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainterPath>
#include <QRegularExpression>
#include <QSaveFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cstdio>
#include <optional>
#include <vector>

namespace {

const QStringList 字体属性 = {QStringLiteral("font-family"), QStringLiteral("font-size"), QStringLiteral("font-weight"),
                          QStringLiteral("text-anchor")};

QString 数(qreal 值)
{
    return QString::number(qRound(值 * 100) / 100.0, 'f', 2).remove(QRegularExpression(QStringLiteral("\\.?0+$")));
}

QString 路径数据(const QPainterPath& 路径)
{
    QStringList 段;
    for (int i = 0; i < 路径.elementCount(); ++i) {
        const QPainterPath::Element 点 = 路径.elementAt(i);
        if (点.isMoveTo()) {
            段 << QStringLiteral("M%1 %2").arg(数(点.x), 数(点.y));
        } else if (点.isLineTo()) {
            段 << QStringLiteral("L%1 %2").arg(数(点.x), 数(点.y));
        } else if (点.isCurveTo()) {
            const QPainterPath::Element 甲 = 路径.elementAt(i + 1), 乙 = 路径.elementAt(i + 2);
            段 << QStringLiteral("C%1 %2 %3 %4 %5 %6").arg(数(点.x), 数(点.y), 数(甲.x), 数(甲.y), 数(乙.x), 数(乙.y));
            i += 2;
        }
    }
    return 段.join(QLatin1Char(' ')) + QLatin1Char('Z');
}

// A number the picture must give: a missing or malformed one stops the build, rather
// than letter the picture at a guessed size or place.
std::optional<qreal> 所需数(const QString& 值, const char* 名)
{
    bool 好 = false;
    const qreal 数值 = 值.toDouble(&好);
    if (!好) std::fprintf(stderr, "outline_text: a <text> needs a number for %s, not \"%s\"\n", 名, qPrintable(值));
    return 好 ? std::optional(数值) : std::nullopt;
}

// The outline of one <text>, with the font attributes in force there.
std::optional<QPainterPath> 文字轮廓(const QXmlStreamAttributes& 属性, const QHash<QString, QString>& 字体,
                                   const QString& 文字)
{
    const auto 字号 = 所需数(字体.value(QStringLiteral("font-size")), "font-size");
    const auto 横 = 所需数(属性.value(QStringLiteral("x")).toString(), "x");
    const auto 纵 = 所需数(属性.value(QStringLiteral("y")).toString(), "y");
    if (!字号 || !横 || !纵) return std::nullopt;
    QFont 字形(字体.value(QStringLiteral("font-family")));
    字形.setPixelSize(qRound(*字号));
    字形.setBold(字体.value(QStringLiteral("font-weight")) == QLatin1String("bold"));
    字形.setHintingPreference(QFont::PreferNoHinting);  // the shapes are scaled when drawn
    qreal x = *横;
    const QString 对齐 = 字体.value(QStringLiteral("text-anchor"));
    const qreal 宽 = QFontMetricsF(字形).horizontalAdvance(文字);
    if (对齐 == QLatin1String("middle")) x -= 宽 / 2;
    if (对齐 == QLatin1String("end")) x -= 宽;
    QPainterPath 路径;
    路径.addText(x, *纵, 字形, 文字);
    return 路径;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fputs("usage: outline_text PICTURE.svg OUT.svg\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication 程序(argc, argv);
    QFile 输入(QString::fromLocal8Bit(argv[1]));
    QSaveFile 输出(QString::fromLocal8Bit(argv[2]));  // written only when the whole picture is
    if (!输入.open(QIODevice::ReadOnly) || !输出.open(QIODevice::WriteOnly)) return 1;

    QXmlStreamReader 读(&输入);
    QXmlStreamWriter 写(&输出);
    std::vector<QHash<QString, QString>> 字体栈{{}};  // the font attributes of each open element
    while (!读.atEnd()) {
        读.readNext();
        if (读.isStartElement()) {
            QHash<QString, QString> 字体 = 字体栈.back();
            QXmlStreamAttributes 其余;
            for (const QXmlStreamAttribute& 项 : 读.attributes()) {
                if (字体属性.contains(项.name())) {
                    字体.insert(项.name().toString(), 项.value().toString());
                } else {
                    其余.append(项);
                }
            }
            if (读.name() == QLatin1String("text")) {
                const QXmlStreamAttributes 属性 = 读.attributes();
                const QString 文字 = 读.readElementText();
                const auto 轮廓 = 文字轮廓(属性, 字体, 文字);
                if (!轮廓) return 1;
                写.writeStartElement(QStringLiteral("path"));
                for (const QXmlStreamAttribute& 项 : 其余) {
                    if (项.name() != QLatin1String("x") && 项.name() != QLatin1String("y")) {
                        写.writeAttribute(项.qualifiedName().toString(), 项.value().toString());
                    }
                }
                写.writeAttribute(QStringLiteral("d"), 路径数据(*轮廓));
                写.writeEndElement();
                continue;
            }
            写.writeStartElement(读.qualifiedName().toString());
            for (const QXmlStreamNamespaceDeclaration& 名 : 读.namespaceDeclarations()) {
                写.writeAttribute(名.prefix().isEmpty() ? QStringLiteral("xmlns") : QStringLiteral("xmlns:") + 名.prefix().toString(),
                                 名.namespaceUri().toString());
            }
            for (const QXmlStreamAttribute& 项 : 其余) 写.writeAttribute(项.qualifiedName().toString(), 项.value().toString());
            字体栈.push_back(字体);
        } else if (读.isEndElement()) {
            写.writeEndElement();
            字体栈.pop_back();
        } else if (读.isCharacters() && !读.isWhitespace()) {
            写.writeCharacters(读.text().toString());
        }
    }
    return !读.hasError() && 输出.commit() ? 0 : 1;
}
