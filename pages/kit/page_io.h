#pragma once

#include <QString>
#include <QtGlobal>

// The small interfaces through which page modules and text routines reach the
// window system: the input boxes, the sex options, the result box, the message
// box and the clipboard. Widgets implement them; tests use plain objects.

enum class 性别 { 男 = 0, 女 = 1 };

// What a page module reads of its page: Text_Value(i) and Option_性别.
class 页面输入 {
public:
    virtual ~页面输入() = default;
    virtual QString 文本(int 索引) const = 0;
    virtual 性别 选中性别() const = 0;
};

// RichTextBox_结果. Lines are separated by CR LF, and positions and lengths count
// each CR LF as two characters. Colours are &HBBGGRR values.
class 结果框 {
public:
    virtual ~结果框() = default;
    virtual QString 文本() const = 0;
    virtual void 设置文本(const QString& 文本) = 0;
    virtual int 选择起点() const = 0;
    virtual void 设置选择起点(int 起点) = 0;  // also empties the selection, as the caret moves there
    virtual int 选择长度() const = 0;
    virtual void 设置选择长度(int 长度) = 0;  // from the selection start
    virtual QString 选中文本() const = 0;
    virtual void 设置选择粗体(bool 粗体) = 0;
    virtual void 设置选择颜色(quint32 颜色) = 0;
};

// The program's message box: modal, no icon, one OK button, caption "Vettora".
class 消息框 {
public:
    virtual ~消息框() = default;
    virtual void 显示(const QString& 消息) = 0;
};

// The clipboard, plain text only.
class 剪贴板 {
public:
    virtual ~剪贴板() = default;
    virtual void 清空() = 0;
    virtual void 放入文本(const QString& 文本) = 0;
};

// Selects from a 0-based start for a length, the way the page modules do it.
inline void 选择(结果框& 框, int 起点, int 长度)
{
    框.设置选择起点(起点);
    框.设置选择长度(长度);
}
