#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "talvern.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Ostrel"));
    QApplication::setApplicationName(QStringLiteral("Talvern"));
    QApplication::setApplicationDisplayName(QStringLiteral("Talvern"));
    QGuiApplication::setDesktopFileName(QStringLiteral("example.ostrel.Talvern"));

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
