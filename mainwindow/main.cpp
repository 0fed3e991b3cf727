#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>

#include "commandline.h"
#include "picturecache.h"
#include "talvern.h"

int main(int argc, char** argv) {
    if (const std::optional<int> answered = talvern::commandline::answer(argc, argv)) return *answered;

    // Qt hands every repaint to the X server through shared memory, and
    // before drawing again where it drew last it waits for the server to
    // have read it: a round trip for every frame of the cabinet's lamp
    // strips, which costs more than the copy it saves. Copied over the
    // socket, the idle cabinet's animation costs half the processor time;
    // a whole window still repaints as quickly. Qt reads the switch when it
    // connects; the programs the machine starts (the browser) do not get it.
    const bool sharedMemoryChosen = qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM");
    if (!sharedMemoryChosen) qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication app(argc, argv);
    if (!sharedMemoryChosen) qunsetenv("QT_XCB_NO_MITSHM");
    QApplication::setOrganizationName(QStringLiteral("Ostrel"));
    // No display name: Qt would add it to every title the window system
    // shows ("Настройки — Talvern"), and the titles are the machine's own.
    QApplication::setApplicationName(QStringLiteral("Talvern"));
    QApplication::setApplicationVersion(QStringLiteral(TALVERN_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("example.ostrel.Talvern"));
    // The costly pictures are painted once and kept in the user's cache.
    talvern::art::setPictureFolder(QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
                                   QStringLiteral("/pictures"));

    // The machine speaks Russian: Qt's own buttons ("Да", "Нет") too.
    QTranslator qtRussian;
    if (qtRussian.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtRussian);

    if (!talvern::TTalvern::displayIsUsable(nullptr)) return 1;
    talvern::TTalvern window;
    window.show();
    return app.exec();
}
