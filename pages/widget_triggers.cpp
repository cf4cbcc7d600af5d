#include "widget_triggers.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace {

// An event filter owned by the widget it watches.
class 触发 final : public QObject {
public:
    触发(QWidget* 控件, std::function<bool(const QEvent&)> 条件, std::function<void()> 动作)
        : QObject(控件), m_条件(std::move(条件)), m_动作(std::move(动作))
    {
        控件->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* 事件) override
    {
        if (!m_条件(*事件)) return false;
        m_动作();
        return true;
    }

private:
    std::function<bool(const QEvent&)> m_条件;
    std::function<void()> m_动作;
};

}  // namespace

void 左键按下时(QWidget* 控件, std::function<void()> 动作)
{
    new 触发(
        控件,
        [](const QEvent& 事件) {
            return 事件.type() == QEvent::MouseButtonPress
                && static_cast<const QMouseEvent&>(事件).button() == Qt::LeftButton;
        },
        std::move(动作));
}

void 回车时(QWidget* 控件, std::function<void()> 动作)
{
    new 触发(
        控件,
        [](const QEvent& 事件) {
            if (事件.type() != QEvent::KeyPress) return false;
            const int 键 = static_cast<const QKeyEvent&>(事件).key();
            return 键 == Qt::Key_Return || 键 == Qt::Key_Enter;
        },
        std::move(动作));
}

void 删除键时(QWidget* 控件, std::function<void()> 动作)
{
    new 触发(
        控件,
        [](const QEvent& 事件) {
            return 事件.type() == QEvent::KeyPress && static_cast<const QKeyEvent&>(事件).key() == Qt::Key_Delete;
        },
        std::move(动作));
}
