// Box text → the input checks' leading number and every measure page's check and
// computation, the text in each of the page's boxes in turn, the other boxes valid.

#include "basal_metabolic_rate.h"
#include "body_mass_index.h"
#include "fat_burning_heart_rate.h"
#include "fuzz_support.h"
#include "healthy_weight_range.h"
#include "memory_result_box.h"
#include "number_reader.h"
#include "one_minute_assessment.h"
#include "standard_weight.h"
#include "standard_weight_tables.h"
#include "test_doubles.h"

#include <cmath>

namespace {

struct 页 {
    void (*计算)(const 页面输入&, 结果框&, 消息框&);
    QStringList 有效;  // a text each box accepts
};

const 页 页表[] = {
    {方法_身体质量指数::计算, {"170", "65"}},
    {方法_健康体重范围::计算, {"170"}},
    {方法_基础代谢计算::计算, {"30", "170", "65"}},
    {方法_燃脂运动计算::计算, {"30"}},
    {方法_标准体重计算::计算, {"30", "170"}},
    {方法_一分钟彻底了解自己::计算, {"30", "170", "65"}},
};

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

    for (const 页& 页面 : 页表) {
        for (int 框 = 0; 框 < 页面.有效.size(); ++框) {
            for (性别 选中 : {性别::男, 性别::女}) {
                QStringList 框文本 = 页面.有效;
                框文本[框] = 文本;
                内存结果框 结果;
                结果.设置文本(QStringLiteral("before"));
                消息记录 消息;
                页面.计算(测试输入(框文本, 选中), 结果, 消息);
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
