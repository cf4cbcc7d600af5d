#pragma once

class QApplication;

// Qt's own texts in Simplified Chinese (message box buttons, text box menus) and
// the program's default font.
void 安装界面语言与字体(QApplication& 程序);
