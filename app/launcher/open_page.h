#pragma once

#include <QtGlobal>

class QWidget;
class Form_Main;

namespace 方法_Form_Main {

// Opens the page of tile 索引 (0 to 6), modeless and without owner, and hides the
// launcher. Each page exists at most once; an open one is only brought forward.
// Any other index does nothing.
void 打开页面(Form_Main& 启动窗口, qint16 索引);

// The open page of tile 索引, or nullptr.
QWidget* 页面(qint16 索引);

}  // namespace 方法_Form_Main
