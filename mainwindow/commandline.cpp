#include "commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>

namespace talvern::commandline {
namespace {

bool russian(const QLocale& locale) { return locale.language() == QLocale::Russian; }

// The parser with the program's two options, described in the locale's
// language. Single-dash words are whole options ("-reverse" is one unknown
// option, not -r -e -v ...), so Qt's own options never read as -v or -h.
struct Options {
    QCommandLineParser parser;
    QCommandLineOption help;
    QCommandLineOption version;

    explicit Options(const QLocale& locale)
        : help({QStringLiteral("h"), QStringLiteral("help")},
               russian(locale) ? QStringLiteral("Показать эту справку и выйти.")
                               : QStringLiteral("Print this help and exit.")),
          version({QStringLiteral("v"), QStringLiteral("version")},
                  russian(locale) ? QStringLiteral("Показать версию и выйти.")
                                  : QStringLiteral("Print the version and exit.")) {
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOption(help);
        parser.addOption(version);
        parser.setApplicationDescription(
            russian(locale)
                ? QStringLiteral("Talvern: игровой автомат видеопокер (Джокер покер, Jack or Better, Deuces Wild).\n"
                                 "Без этих параметров или с любыми другими запускается игра.\n"
                                 "Руководство: man 6 talvern")
                : QStringLiteral("Talvern: a video poker machine (Joker Poker, Jack or Better, Deuces Wild).\n"
                                 "Without these options, or with any others, the game starts.\n"
                                 "Manual: man 6 talvern"));
    }
};

} // namespace

Request read(const QStringList& arguments) {
    Options o(QLocale::c());
    // Unknown options are no error: they belong to Qt or to nobody.
    o.parser.parse(arguments);
    if (o.parser.isSet(o.version)) return Request::Version;
    if (o.parser.isSet(o.help)) return Request::Help;
    return Request::Play;
}

QString text(Request request, const QLocale& locale) {
    switch (request) {
    case Request::Version: return QStringLiteral("talvern " TALVERN_VERSION "\n");
    case Request::Help: return Options(locale).parser.helpText();
    case Request::Play: break;
    }
    return {};
}

std::optional<int> answer(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const Request request = read(arguments);
    if (request == Request::Play) return std::nullopt;

    // Only a core application: no display is needed to print.
    QCoreApplication core(argc, argv);
    const QLocale locale = QLocale::system();
    QTranslator qtWords;  // "Usage:", "Options:"
    if (russian(locale) && qtWords.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtWords);
    const QByteArray out = text(request, locale).toUtf8();
    std::fwrite(out.constData(), 1, static_cast<std::size_t>(out.size()), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace talvern::commandline
