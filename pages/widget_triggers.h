#pragma once

#include <QWidget>

#include <functional>

// Runs an action when a widget receives a given input, and swallows that input.
// Used where a form forwards a press or a key to a module routine.

// A press of the left button; other buttons do nothing.
void 左键按下时(QWidget* 控件, std::function<void()> 动作);

// Enter or Return.
void 回车时(QWidget* 控件, std::function<void()> 动作);

// Delete.
void 删除键时(QWidget* 控件, std::function<void()> 动作);
