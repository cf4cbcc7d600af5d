#pragma once

class QApplication;

// Qt's own texts in Simplified Chinese (message box buttons, text box menus), the
// program's default font and its widget style.
void 安装界面语言与字体(QApplication& 程序);

// Screen readers meet the program's windows (plain widgets with a title) as windows, so
// that they announce the launcher and each page by its title.
void 安装窗口无障碍角色();
