#include "input_check.h"

#include "number_reader.h"

namespace 输入检查 {

QString 提示(量 要填的量)
{
    switch (要填的量) {
    case 量::年龄: return QStringLiteral(u"请正确填写您的“年龄”！");
    case 量::身高: return QStringLiteral(u"请正确填写您的“身高”！");
    case 量::体重: return QStringLiteral(u"请正确填写您的“体重”！");
    }
    return {};
}

bool 按顺序检查(std::span<const 检查项> 检查项表, const 页面输入& 输入, 消息框& 消息)
{
    const 性别 选中 = 输入.选中性别();
    for (const 检查项& 项 : 检查项表) {
        const QString 文本 = 输入.文本(项.框);
        const auto 读数 = 数值读取::读取前导数值(文本);
        const double 上限 = 选中 == 性别::女 ? 项.上限_女 : 项.上限_男;
        const bool 通过 = !文本.isEmpty() && !读数.过大 && 读数.值 != 0
                          && 读数.值 >= 项.下限 && 读数.值 <= 上限;
        if (!通过) {
            消息.显示(提示(项.要填的量));
            return false;
        }
    }
    return true;
}

double 读取(const 页面输入& 输入, int 框)
{
    return 数值读取::读取前导数值(输入.文本(框)).值;
}

}  // namespace 输入检查
