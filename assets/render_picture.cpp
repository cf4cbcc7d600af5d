// Renders the program icon (SVG) to a PNG of the given size, for the icon theme.
// Usage: render_icon ICON.svg SIZE OUT.png

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fputs("usage: render_icon ICON.svg SIZE OUT.png\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication 程序(argc, argv);
    QSvgRenderer 图标(QString::fromLocal8Bit(argv[1]));
    const int 边长 = std::atoi(argv[2]);
    if (!图标.isValid() || 边长 <= 0) return 1;
    QImage 图(边长, 边长, QImage::Format_ARGB32_Premultiplied);
    图.fill(Qt::transparent);
    QPainter 画笔(&图);
    画笔.setRenderHint(QPainter::Antialiasing);
    图标.render(&画笔);
    画笔.end();
    return 图.save(QString::fromLocal8Bit(argv[3]), "PNG") ? 0 : 1;
}
