#include "open_page.h"

#include "form_main.h"
#include "page_table.h"
#include "page_window.h"

#include <QPointer>

#include <array>

namespace 方法_Form_Main {
namespace {

// Each page exists at most once, as long as it is open.
std::array<QPointer<QWidget>, 页::页数> 页面实例;

}  // namespace

void 打开页面(Form_Main& 启动窗口, qint16 索引)
{
    if (索引 < 0 || 索引 >= static_cast<qint16>(页面表().size())) return;
    const 页面条目& 条目 = 页面表()[static_cast<std::size_t>(索引)];
    QPointer<QWidget>& 实例 = 页面实例[static_cast<std::size_t>(索引)];
    if (!实例) {
        实例 = 条目.建立(条目, [&启动窗口] { 启动窗口.显示(); });
        居中(*实例);
    }
    实例->show();
    实例->raise();
    实例->activateWindow();
    启动窗口.hide();
}

QWidget* 页面(qint16 索引)
{
    if (索引 < 0 || 索引 >= static_cast<qint16>(页面实例.size())) return nullptr;
    return 页面实例[static_cast<std::size_t>(索引)];
}

}  // namespace 方法_Form_Main
