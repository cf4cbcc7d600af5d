#pragma once

#include "app_setup.h"
#include "form_main.h"
#include "measure_page.h"
#include "message_service.h"
#include "open_page.h"
#include "test_doubles.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

// The launcher of the widget tests, set up as the program sets it up, with the message
// box recording what it would show. Its update check comes soon after each load.
class 启动窗口夹具 {
public:
    // In initTestCase; false when the launcher did not come up.
    bool 启动()
    {
        安装界面语言与字体(*qApp);
        消息服务::替换(&消息);
        启动窗口 = new Form_Main;
        启动窗口->更新计时()->setInterval(100);
        启动窗口->显示();
        return QTest::qWaitForWindowActive(启动窗口);
    }

    // In cleanup: the pages a test left open are closed and gone, the launcher is shown.
    void 收拾()
    {
        for (qint16 i = 0; i < 7; ++i) {
            if (QWidget* 页 = 方法_Form_Main::页面(i)) 页->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        消息.消息表.clear();
        启动窗口->显示();
    }

    // Opens a measure page by a click on its tile's title; nullptr when it does not show.
    测量页面* 打开测量页(qint16 索引)
    {
        QTest::mouseClick(启动窗口->磁贴标题(索引), Qt::LeftButton);
        auto* 页 = dynamic_cast<测量页面*>(方法_Form_Main::页面(索引));
        return 页 && QTest::qWaitForWindowExposed(页) ? 页 : nullptr;
    }

    Form_Main* 启动窗口 = nullptr;
    消息记录 消息;
};
