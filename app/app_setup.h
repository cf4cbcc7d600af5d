#pragma once

class QApplication;

// Qt's own texts in Simplified Chinese (message box buttons, text box menus), the
// program's default font and its widget style.
void 安装界面语言与字体(QApplication& 程序);
