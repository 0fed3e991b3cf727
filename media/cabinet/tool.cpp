// Writes the cabinet's pictures as PNG files, for review and for anyone who
// wants to see them outside the program.
//
//   talvern-cabinetart [--dpr N] [--preview FILE] [OUTDIR]
#include "cabinetart.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

namespace {

bool save(const QImage& image, const QString& path)
{
    if (image.isNull() || !image.save(path, "PNG")) {
        std::fprintf(stderr, "talvern-cabinetart: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

const char* stateName(talvern::art::ButtonState s)
{
    using talvern::art::ButtonState;
    switch (s) {
    case ButtonState::Normal: return "normal";
    case ButtonState::Hover: return "hover";
    case ButtonState::Pressed: return "pressed";
    case ButtonState::Disabled: return "disabled";
    }
    return "normal";
}

// The cabinet during a risk game: the ladder part-way up over the right
// column with the top prize written over it.
QImage ladderPreview(qreal dpr)
{
    using namespace talvern::art;
    QImage img = renderCabinetPreview(dpr);
    QPainter p(&img);
    p.drawImage(controlRect(u"Duble").topLeft(), renderDubleFrames(dpr).at(5));
    paintNumberDisplay(p, QRectF(controlRect(u"RxLabel25")), QStringLiteral("600"));
    return img;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QCommandLineParser cli;
    cli.setApplicationDescription(QStringLiteral("Writes the cabinet pictures of Talvern as PNG files."));
    cli.addHelpOption();
    QCommandLineOption dprOption(QStringLiteral("dpr"), QStringLiteral("Device pixel ratio (default 1)."),
                                 QStringLiteral("N"), QStringLiteral("1"));
    QCommandLineOption previewOption(QStringLiteral("preview"),
                                     QStringLiteral("Write the composed cabinet to FILE."), QStringLiteral("FILE"));
    cli.addOption(dprOption);
    cli.addOption(previewOption);
    cli.addPositionalArgument(QStringLiteral("outdir"), QStringLiteral("Folder for all pictures."));
    cli.process(app);

    bool ok = false;
    const qreal dpr = cli.value(dprOption).toDouble(&ok);
    if (!ok || dpr <= 0 || dpr > 8) {
        std::fprintf(stderr, "talvern-cabinetart: --dpr wants a number between 0 and 8\n");
        return 2;
    }
    const QStringList args = cli.positionalArguments();
    if (args.isEmpty() && !cli.isSet(previewOption)) {
        cli.showHelp(2);
    }

    using namespace talvern::art;
    bool good = true;
    if (cli.isSet(previewOption))
        good &= save(renderCabinetPreview(dpr), cli.value(previewOption));

    if (!args.isEmpty()) {
        QDir out(args.first());
        if (!out.mkpath(QStringLiteral("."))) {
            std::fprintf(stderr, "talvern-cabinetart: cannot create %s\n", qPrintable(args.first()));
            return 1;
        }
        good &= save(renderFon(dpr), out.filePath(QStringLiteral("fon.png")));
        good &= save(renderIntro(dpr), out.filePath(QStringLiteral("intro.png")));
        good &= save(renderDealCover(dpr), out.filePath(QStringLiteral("dealx.png")));
        good &= save(renderCabinetPreview(dpr, true), out.filePath(QStringLiteral("preview-cover.png")));
        good &= save(ladderPreview(dpr), out.filePath(QStringLiteral("preview-ladder.png")));
        for (const QString& name : buttonNames())
            for (ButtonState s : {ButtonState::Normal, ButtonState::Hover, ButtonState::Pressed, ButtonState::Disabled})
                good &= save(renderButton(name, s, dpr),
                             out.filePath(QStringLiteral("%1-%2.png").arg(name, QLatin1String(stateName(s)))));
        const QList<QImage> payment = renderPaymentFrames(dpr);
        for (int i = 0; i < payment.size(); ++i)
            good &= save(payment[i], out.filePath(QStringLiteral("payment-%1.png").arg(i, 2, 10, QLatin1Char('0'))));
        const QList<QImage> duble = renderDubleFrames(dpr);
        for (int i = 0; i < duble.size(); ++i)
            good &= save(duble[i], out.filePath(QStringLiteral("duble-%1.png").arg(i)));
    }
    return good ? 0 : 1;
}
