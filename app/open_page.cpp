#include "open_page.h"

#include "calorie_page.h"
#include "form_main.h"
#include "measure_page.h"
#include "page_catalog.h"

#include <QPointer>

#include <array>

namespace 方法_Form_Main {
namespace {

std::array<QPointer<QWidget>, 7> 页面实例;

template <typename 创建页面>
void 打开(qint16 索引, Form_Main& 启动窗口, 创建页面 创建)
{
    QPointer<QWidget>& 实例 = 页面实例[static_cast<std::size_t>(索引)];
    if (!实例) {
        实例 = 创建([&启动窗口] { 启动窗口.显示(); });
        居中(*实例);
    }
    实例->show();
    实例->raise();
    实例->activateWindow();
    启动窗口.hide();
}

template <const 页面描述& (*描述)()>
void 打开测量页面(qint16 索引, Form_Main& 启动窗口)
{
    打开(索引, 启动窗口, [](std::function<void()> 关闭后) { return new 测量页面(描述(), std::move(关闭后)); });
}

void 打开_一分钟彻底了解自己(Form_Main& 窗) { 打开测量页面<页面目录::一分钟彻底了解自己>(0, 窗); }
void 打开_卡路里计算器(Form_Main& 窗)
{
    打开(1, 窗, [](std::function<void()> 关闭后) { return new Form_卡路里计算器(std::move(关闭后)); });
}
void 打开_身体质量指数(Form_Main& 窗) { 打开测量页面<页面目录::身体质量指数>(2, 窗); }
void 打开_标准体重计算(Form_Main& 窗) { 打开测量页面<页面目录::标准体重计算>(3, 窗); }
void 打开_基础代谢计算(Form_Main& 窗) { 打开测量页面<页面目录::基础代谢计算>(4, 窗); }
void 打开_健康体重范围(Form_Main& 窗) { 打开测量页面<页面目录::健康体重范围>(5, 窗); }
void 打开_燃脂运动计算(Form_Main& 窗) { 打开测量页面<页面目录::燃脂运动计算>(6, 窗); }

constexpr std::array<void (*)(Form_Main&), 7> 打开例程 = {
    打开_一分钟彻底了解自己, 打开_卡路里计算器, 打开_身体质量指数, 打开_标准体重计算,
    打开_基础代谢计算,       打开_健康体重范围, 打开_燃脂运动计算,
};

}  // namespace

void 打开页面(Form_Main& 启动窗口, qint16 索引)
{
    if (索引 < 0 || 索引 >= static_cast<qint16>(打开例程.size())) return;
    打开例程[static_cast<std::size_t>(索引)](启动窗口);
}

QWidget* 页面(qint16 索引)
{
    if (索引 < 0 || 索引 >= static_cast<qint16>(页面实例.size())) return nullptr;
    return 页面实例[static_cast<std::size_t>(索引)];
}

}  // namespace 方法_Form_Main
