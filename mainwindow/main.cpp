#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>

#include "picturecache.h"
#include "talvern.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Ostrel"));
    QApplication::setApplicationName(QStringLiteral("Talvern"));
    QApplication::setApplicationDisplayName(QStringLiteral("Talvern"));
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
