// Box text → the input checks' leading number and every measure page's check and
// computation, the text in each of the page's boxes in turn, the other boxes valid.

#include "fuzz_support.h"
#include "memory_result_box.h"
#include "number_reader.h"
#include "page_table.h"
#include "standard_weight_tables.h"
#include "test_doubles.h"

#include <cmath>

namespace {

// A text each kind of box accepts.
QString 有效文本(const 输入栏& 栏)
{
    if (栏.标题 == QStringLiteral(u"年龄：")) return QStringLiteral("30");
    return 栏.标题 == QStringLiteral(u"身高：") ? QStringLiteral("170") : QStringLiteral("65");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    自定义方法::载入标准体重表();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* 数据, std::size_t 大小)
{
    const QString 文本 = 作为UTF16(数据, 大小);
    const auto 读数 = 数值读取::读取前导数值(文本);
    必须(std::isfinite(读数.值));
    必须(!读数.过大 || 读数.值 == 0);

    for (const 页面条目& 条目 : 页面表()) {
        if (!条目.测量) continue;
        QStringList 有效;
        for (const 输入栏& 栏 : 条目.测量->输入) 有效 << 有效文本(栏);
        for (int 框 = 0; 框 < 有效.size(); ++框) {
            for (性别 选中 : {性别::男, 性别::女}) {
                QStringList 框文本 = 有效;
                框文本[框] = 文本;
                内存结果框 结果;
                结果.设置文本(QStringLiteral("before"));
                消息记录 消息;
                条目.测量->计算(测试输入(框文本, 选中), 结果, 消息);
                // Rejected: one message and the result untouched. Accepted: a result the
                // calculator could compute from what the check let through.
                if (!消息.消息表.isEmpty()) {
                    必须(消息.消息表.size() == 1 && 结果.文本() == QStringLiteral("before"));
                    continue;
                }
                必须(读数.值 != 0 && !读数.过大);
                const QString 全文 = 结果.文本();
                必须(!全文.isEmpty() && 全文 != QStringLiteral("before"));
                for (const char* 禁 : {"nan", "inf", "e+", "e-"}) 必须(!全文.contains(QLatin1String(禁)));
            }
        }
    }
    return 0;
}
