// The benchmark's baselines: a bare 854 × 560 Qt window, started and painted the way the
// program's launcher is, reporting its first paint the same way; with the argument "text",
// the same window with one line of Chinese in the CJK font the launcher's titles use.

#include <QApplication>
#include <QLoggingCategory>
#include <QPainter>
#include <QTimer>
#include <QWidget>

Q_LOGGING_CATEGORY(启动日志, "vettora.startup", QtWarningMsg)

namespace {

class 空窗口 final : public QWidget {
public:
    explicit 空窗口(bool 有文字) : m_有文字(有文字) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (m_有文字) {
            QPainter 画笔(this);
            QFont 字体(QStringLiteral("Noto Serif CJK SC"));
            字体.setPointSize(12);
            画笔.setFont(字体);
            画笔.drawText(40, 60, QStringLiteral(u"1分钟了解自己的标准体重，BMI和基础代谢率。"));
        }
        if (!m_已绘制) {
            m_已绘制 = true;
            // Said once the first frame has been painted and shown, as the launcher says it.
            QTimer::singleShot(0, this, [] { qCInfo(启动日志, "bare window first paint"); });
        }
    }

private:
    bool m_有文字;
    bool m_已绘制 = false;
};

}  // namespace

int main(int argc, char* argv[])
{
    QApplication 程序(argc, argv);
    空窗口 窗口(argc > 1 && qstrcmp(argv[1], "text") == 0);
    窗口.setFixedSize(854, 560);
    窗口.show();
    return QApplication::exec();
}
