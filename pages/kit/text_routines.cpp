#include "text_routines.h"

namespace 界面优化动作 {

void 清除信息(结果框& 框)
{
    框.设置文本(QString());
}

}  // namespace 界面优化动作

namespace 自定义方法 {

bool 可复制全部(const 结果框& 框)
{
    return !框.文本().isEmpty();
}

bool 可复制选中(const 结果框& 框)
{
    return !框.选中文本().isEmpty();
}

void 复制全部信息(const 结果框& 框, 剪贴板& 板, 消息框& 消息)
{
    if (!可复制全部(框)) return;
    板.清空();
    板.放入文本(框.文本());
    消息.显示(QStringLiteral(u"已成功复制全部信息！"));
}

void 复制选中信息(const 结果框& 框, 剪贴板& 板, 消息框& 消息)
{
    if (!可复制选中(框)) return;
    板.清空();
    板.放入文本(框.选中文本());
    消息.显示(QStringLiteral(u"已成功复制选中信息！"));
}

}  // namespace 自定义方法
