// A minimal Qt WebEngine window showing one page at the advert strip's size: the
// benchmark's measure of what the web engine itself costs, drawn with OpenGL or, with
// "software", the way the program's strip draws (Qt Quick in software, Chromium without
// its GPU process).
//
// Usage: web_window URL [software]

#include <QApplication>
#include <QQuickWindow>
#include <QWebEngineView>

int main(int argc, char* argv[])
{
    const bool 软件 = argc > 2 && qstrcmp(argv[2], "software") == 0;
    if (软件) {
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", qgetenv("QTWEBENGINE_CHROMIUM_FLAGS") + " --disable-gpu --no-unsandboxed-zygote");
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
