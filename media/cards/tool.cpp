// talvern-cardart: writes the card pictures as PNG files, or one contact
// sheet of all of them, for checking the artwork without starting the game.
#include "cardart.h"

#include <QColor>
#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QRadialGradient>
#include <cstdio>

using namespace talvern::art;

namespace {

QImage contactSheet(qreal dpr, CardStyle style)
{
    // Four suit rows of ace to king, then the joker, the wild deuces and the
    // backs, laid out on table felt.
    const int gap = 8, margin = 14, cols = 13, rows = 5;
    const QSize logical(margin * 2 + cols * kCardSize.width() + (cols - 1) * gap,
                        margin * 2 + rows * kCardSize.height() + (rows - 1) * gap);
    QImage sheet(logical * dpr, QImage::Format_ARGB32_Premultiplied);
    sheet.setDevicePixelRatio(dpr);
    QPainter p(&sheet);
    QRadialGradient felt(logical.width() / 2.0, logical.height() / 2.0, logical.width() * 0.7);
    felt.setColorAt(0, QColor(22, 112, 60));
    felt.setColorAt(1, QColor(8, 60, 30));
    p.fillRect(QRect(QPoint(0, 0), logical), felt);

    const QStringList names = builtInCardPictureNames();
    auto place = [&](const QString& name, int row, int col) {
        const QImage card = renderCardPicture(name, dpr, style);
        p.drawImage(QPoint(margin + col * (kCardSize.width() + gap),
                           margin + row * (kCardSize.height() + gap)),
                    card);
    };
    for (int suit = 0; suit < 4; ++suit)
        for (int rank = 0; rank < 13; ++rank) place(names.at(1 + suit * 13 + rank), suit, rank);
    place(QStringLiteral("PP2"), 4, 0);
    const QStringList wild{QStringLiteral("2H4"), QStringLiteral("2B4"), QStringLiteral("2K4"),
                           QStringLiteral("2V4")};
    for (int i = 0; i < wild.size(); ++i) place(wild.at(i), 4, 2 + i);
    const QStringList backs{QStringLiteral("R"), QStringLiteral("R1"), QStringLiteral("R2"),
                            QStringLiteral("R3"), QStringLiteral("R4")};
    for (int i = 0; i < backs.size(); ++i) place(backs.at(i), 4, 8 + i);
    p.end();
    return sheet;
}

int fail(const QString& message)
{
    std::fprintf(stderr, "talvern-cardart: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    // Pictures only: no window is ever shown, so it runs without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // QGuiApplication takes "--style" out of argv for itself, so read the
    // command line before it does.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("talvern-cardart"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Writes Talvern's card pictures as PNG files."));
    parser.addHelpOption();
    QCommandLineOption dprOption(QStringLiteral("dpr"), QStringLiteral("Device pixel ratio (default 1)."),
                                 QStringLiteral("N"), QStringLiteral("1"));
    QCommandLineOption styleOption(QStringLiteral("style"),
                                   QStringLiteral("Face style: classic or alternate (default classic)."),
                                   QStringLiteral("name"), QStringLiteral("classic"));
    QCommandLineOption sheetOption(QStringLiteral("sheet"),
                                   QStringLiteral("Also write a contact sheet of all pictures."),
                                   QStringLiteral("FILE"));
    parser.addOption(dprOption);
    parser.addOption(styleOption);
    parser.addOption(sheetOption);
    parser.addPositionalArgument(QStringLiteral("folder"),
                                 QStringLiteral("Folder that receives NAME.png for every picture."));
    parser.process(arguments);

    bool ok = false;
    const qreal dpr = parser.value(dprOption).toDouble(&ok);
    if (!ok || dpr <= 0 || dpr > 8) return fail(QStringLiteral("--dpr wants a number above 0 and up to 8"));
    const QString styleName = parser.value(styleOption).toLower();
    if (styleName != QLatin1String("classic") && styleName != QLatin1String("alternate"))
        return fail(QStringLiteral("--style is classic or alternate"));
    const CardStyle style = styleName == QLatin1String("classic") ? CardStyle::Classic : CardStyle::Alternate;

    const QStringList folders = parser.positionalArguments();
    if (folders.isEmpty() && !parser.isSet(sheetOption)) parser.showHelp(1);
    if (folders.size() > 1) return fail(QStringLiteral("one output folder only"));

    if (!folders.isEmpty()) {
        QDir dir(folders.first());
        if (!dir.mkpath(QStringLiteral(".")))
            return fail(QStringLiteral("cannot create %1").arg(dir.path()));
        for (const QString& name : builtInCardPictureNames()) {
            const QString file = dir.filePath(name + QStringLiteral(".png"));
            if (!renderCardPicture(name, dpr, style).save(file))
                return fail(QStringLiteral("cannot write %1").arg(file));
        }
    }
    if (parser.isSet(sheetOption)) {
        const QString file = parser.value(sheetOption);
        if (!contactSheet(dpr, style).save(file)) return fail(QStringLiteral("cannot write %1").arg(file));
    }
    return 0;
}
