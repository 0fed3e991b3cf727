// The bare Qt Widgets window the light-machine benchmark holds the machine
// against: an 800 x 600 window with one button that opens an empty modal
// dialog, started and measured exactly as the machine is.
//   talvern-bench-reference             the window
//   talvern-bench-reference --count N   the window, then N units counted on a
//                                       label one at a time, events handled
//                                       after each; prints "count N MS"
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Reference"));
    window.resize(800, 600);
    auto* label = new QLabel(QStringLiteral("0"), &window);
    label->setGeometry(350, 200, 100, 40);
    auto* button = new QPushButton(QStringLiteral("Dialog"), &window);
    button->setGeometry(350, 280, 100, 40);
    QDialog dialog(&window);
    dialog.setWindowTitle(QStringLiteral("Reference dialog"));
    dialog.resize(400, 300);
    QObject::connect(button, &QPushButton::clicked, &dialog, &QDialog::exec);
    if (QScreen* screen = QGuiApplication::primaryScreen())  // placed as the machine places itself
        window.move(screen->availableGeometry().center() - QPoint(400, 300));
    window.show();

    if (argc == 3 && QByteArray(argv[1]) == "--count") {
        const int n = QByteArray(argv[2]).toInt();
        QTimer::singleShot(500, &window, [&] {
            QElapsedTimer t;
            t.start();
            for (int i = 1; i <= n; ++i) {
                label->setText(QString::number(i));
                QCoreApplication::processEvents();
            }
            std::printf("count %d %lld\n", n, static_cast<long long>(t.elapsed()));
            std::fflush(stdout);
            app.quit();
        });
    }
    return app.exec();
}
