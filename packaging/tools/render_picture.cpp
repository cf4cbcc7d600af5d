// Renders one of the program's SVG pictures to PNG, or to a Windows icon file.
// Usage: render_picture PICTURE.svg SIZE OUT.png   SIZE is N (N x N pixels) or pP (P per cent of its own size)
//        render_picture PICTURE.svg ico OUT.ico     16 to 256 pixels, each as PNG inside the icon file
//        render_picture PICTURE.svg bmp OUT.bmp     its own size, 24 bits, as installer wizards take it

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

QByteArray 画(QSvgRenderer& 图片, QSize 大小, const char* 格式 = "PNG")
{
    QImage 图(大小, QImage::Format_ARGB32_Premultiplied);
    图.fill(qstrcmp(格式, "PNG") == 0 ? Qt::transparent : Qt::white);
    QPainter 画笔(&图);
    画笔.setRenderHint(QPainter::Antialiasing);
    图片.render(&画笔);
    画笔.end();
    QByteArray 字节;
    QBuffer 缓冲(&字节);
    缓冲.open(QIODevice::WriteOnly);
    (qstrcmp(格式, "PNG") == 0 ? 图 : 图.convertToFormat(QImage::Format_RGB888)).save(&缓冲, 格式);
    return 字节;
}

// An icon directory whose entries are PNG images, as Windows reads them since Vista.
QByteArray 图标文件(QSvgRenderer& 图片)
{
    const int 尺寸[] = {16, 24, 32, 48, 64, 128, 256};
    const int 个数 = static_cast<int>(std::size(尺寸));
    QByteArray 目录, 数据;
    QDataStream 头(&目录, QIODevice::WriteOnly);
    头.setByteOrder(QDataStream::LittleEndian);
    头 << quint16(0) << quint16(1) << quint16(个数);
    for (int 边 : 尺寸) {
        const QByteArray 图 = 画(图片, QSize(边, 边));
        头 << quint8(边 % 256) << quint8(边 % 256) << quint8(0) << quint8(0) << quint16(1) << quint16(32)
           << quint32(图.size()) << quint32(6 + 16 * 个数 + 数据.size());
        数据 += 图;
    }
    return 目录 + 数据;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fputs("usage: render_picture PICTURE.svg N|pP|ico|bmp OUT\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication 程序(argc, argv);
    QSvgRenderer 图片(QString::fromLocal8Bit(argv[1]));
    const QString 尺寸 = QString::fromLocal8Bit(argv[2]);
    if (!图片.isValid()) return 1;

    QByteArray 结果;
    if (尺寸 == QLatin1String("ico")) {
        结果 = 图标文件(图片);
    } else if (尺寸 == QLatin1String("bmp")) {
        结果 = 画(图片, 图片.defaultSize(), "BMP");
    } else {
        const bool 百分比 = 尺寸.startsWith(u'p');
        const int 数 = 尺寸.mid(百分比 ? 1 : 0).toInt();
        if (数 <= 0) return 2;
        const QSize 原大 = 图片.defaultSize();
        结果 = 画(图片, 百分比 ? QSize(qRound(原大.width() * 数 / 100.0), qRound(原大.height() * 数 / 100.0)) : QSize(数, 数));
    }
    QFile 输出(QString::fromLocal8Bit(argv[3]));
    return 输出.open(QIODevice::WriteOnly) && 输出.write(结果) == 结果.size() ? 0 : 1;
}
