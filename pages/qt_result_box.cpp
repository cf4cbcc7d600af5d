#include "qt_result_box.h"

#include <QColor>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>

#include <algorithm>

QString 文本框结果框::文本() const
{
    return m_控件.toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

void 文本框结果框::设置文本(const QString& 文本)
{
    QString 文档文本 = 文本;
    文档文本.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    m_控件.setCurrentCharFormat(QTextCharFormat());  // new text starts plain, whatever was set last
    m_控件.setPlainText(文档文本);
    记住选择(0, 0);
}

void 文本框结果框::记住选择(int 起点, int 长度)
{
    m_起点 = 起点;
    m_长度 = 长度;
    const QTextCursor 光标 = m_控件.textCursor();
    m_文档锚点 = 光标.anchor();
    m_文档光标 = 光标.position();
}

bool 文本框结果框::选择未变() const
{
    const QTextCursor 光标 = m_控件.textCursor();
    return 光标.anchor() == m_文档锚点 && 光标.position() == m_文档光标;
}

int 文本框结果框::文档位置(int 位置) const
{
    const QString 全文 = 文本();
    位置 = std::clamp(位置, 0, static_cast<int>(全文.size()));
    // Each line feed before the position is the second half of a CR LF.
    return 位置 - static_cast<int>(QStringView(全文).left(位置).count(QLatin1Char('\n')));
}

int 文本框结果框::文本位置(int 文档位置) const
{
    const QString 文档文本 = m_控件.toPlainText();
    return 文档位置 + static_cast<int>(QStringView(文档文本).left(文档位置).count(QLatin1Char('\n')));
}

int 文本框结果框::选择起点() const
{
    if (选择未变()) return m_起点;
    return 文本位置(m_控件.textCursor().selectionStart());
}

void 文本框结果框::设置选择起点(int 起点)
{
    起点 = std::clamp(起点, 0, static_cast<int>(文本().size()));
    QTextCursor 光标 = m_控件.textCursor();
    光标.setPosition(文档位置(起点));
    m_控件.setTextCursor(光标);
    记住选择(起点, 0);
}

int 文本框结果框::选择长度() const
{
    if (选择未变()) return m_长度;
    const QTextCursor 光标 = m_控件.textCursor();
    return 文本位置(光标.selectionEnd()) - 文本位置(光标.selectionStart());
}

void 文本框结果框::设置选择长度(int 长度)
{
    const int 起点 = 选择起点();
    长度 = std::clamp(长度, 0, static_cast<int>(文本().size()) - 起点);
    QTextCursor 光标 = m_控件.textCursor();
    光标.setPosition(文档位置(起点));
    光标.setPosition(文档位置(起点 + 长度), QTextCursor::KeepAnchor);
    m_控件.setTextCursor(光标);
    记住选择(起点, 长度);
}

QString 文本框结果框::选中文本() const
{
    return 文本().mid(选择起点(), 选择长度());
}

void 文本框结果框::设置选择粗体(bool 粗体)
{
    QTextCharFormat 格式;
    格式.setFontWeight(粗体 ? QFont::Bold : QFont::Normal);
    m_控件.textCursor().mergeCharFormat(格式);
}

void 文本框结果框::设置选择颜色(quint32 颜色)
{
    QTextCharFormat 格式;
    格式.setForeground(QColor(颜色 & 0xFF, (颜色 >> 8) & 0xFF, (颜色 >> 16) & 0xFF));
    m_控件.textCursor().mergeCharFormat(格式);
}
