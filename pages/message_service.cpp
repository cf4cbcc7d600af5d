#include "message_service.h"

#include "window_frame.h"

#include <QApplication>
#include <QMessageBox>

namespace 消息服务 {
namespace {

class 程序消息框 final : public 消息框 {
public:
    void 显示(const QString& 消息) override
    {
        QMessageBox 框(QMessageBox::NoIcon, QStringLiteral("Vettora"), 消息, QMessageBox::Ok,
                       QApplication::activeWindow());
        框.setWindowModality(Qt::ApplicationModal);
        // Its size is its text's. After the modality, which makes it a plain dialog again
        // (on Windows one with a resizing border).
        固定窗口框(框, Qt::Dialog);
        框.exec();
    }
};

程序消息框 程序的消息框;
消息框* 替身 = nullptr;

}  // namespace

消息框& 当前()
{
    return 替身 ? *替身 : 程序的消息框;
}

void 替换(消息框* 新消息框)
{
    替身 = 新消息框;
}

}  // namespace 消息服务
