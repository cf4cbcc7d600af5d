// A minimal Qt WebEngine window showing one page at the advert strip's size: the
// benchmark's measure of what the web engine itself costs, drawn with OpenGL ("opengl"),
// in software ("software": Qt Quick in software, Chromium without its GPU process), or
// as the program's strip runs it ("strip": software, and no unsandboxed zygote).
//
// Usage: web_window URL opengl|software|strip

#include <QApplication>
#include <QQuickWindow>
#include <QWebEngineView>

int main(int argc, char* argv[])
{
    const QByteArray 方式 = argc > 2 ? argv[2] : "opengl";
    if (方式 != "opengl") {
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
        QByteArray 旗标 = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS") + " --disable-gpu";
        if (方式 == "strip") 旗标 += " --no-unsandboxed-zygote";
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", 旗标);
    } else {
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    }
    QApplication 程序(argc, argv);
    if (argc < 2) return 2;
    QWebEngineView 视图;
    视图.setFixedSize(857, 95);
    视图.load(QUrl(QString::fromLocal8Bit(argv[1])));
    视图.show();
    return QApplication::exec();
}
