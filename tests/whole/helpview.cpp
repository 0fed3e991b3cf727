// The desktop's document viewer as the whole-machine test stands it in:
//   talvern_helpview URL
// shows the page in a window titled "Talvern help viewer" and prints
// "loaded 1" (or "loaded 0") with the page's title once it has loaded, so
// the test knows when the picture is worth taking.
#include <QApplication>
#include <QTextStream>
#include <QUrl>
#include <QWebEngineView>

#include <unistd.h>

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    // Chromium refuses its sandbox to root (CI runs as root).
    if (geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QWebEngineView view;
    view.setWindowTitle(QStringLiteral("Talvern help viewer"));
    view.resize(1000, 740);
    QObject::connect(&view, &QWebEngineView::loadFinished, &view, [&view](bool ok) {
        QTextStream out(stdout);
        out << "loaded " << (ok ? 1 : 0) << ' ' << view.title() << Qt::endl;
    });
    view.load(QUrl::fromUserInput(QString::fromLocal8Bit(argv[1])));
    view.show();
    return app.exec();
}
