// The benchmark's baseline: a bare 854 × 560 Qt window, started and painted the way
// the program's launcher is, reporting its first paint the same way.

#include <QApplication>
#include <QLoggingCategory>
#include <QWidget>

Q_LOGGING_CATEGORY(启动日志, "vettora.startup", QtWarningMsg)

namespace {

class 空窗口 final : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!m_已绘制) {
            m_已绘制 = true;
            qCInfo(启动日志, "bare window first paint");
        }
    }

private:
    bool m_已绘制 = false;
};

}  // namespace

int main(int argc, char* argv[])
{
    QApplication 程序(argc, argv);
    空窗口 窗口;
    窗口.setFixedSize(854, 560);
    窗口.show();
    return QApplication::exec();
}
