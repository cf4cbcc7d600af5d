#pragma once

class QApplication;

// Before the application object: Qt's remarks about the desktop that are normal and that
// nobody can act on stay off the terminal (a Wayland compositor's keyboard focus events in
// an order Qt does not expect).
void 不提示桌面常情();

// Qt's own texts in Simplified Chinese (message box buttons, text box menus), the
// program's default font and its widget style.
void 安装界面语言与字体(QApplication& 程序);

// Screen readers meet the program's windows (plain widgets with a title) as windows, so
// that they announce the launcher and each page by its title.
void 安装窗口无障碍角色();
