// Draws the sample deck's 57 card faces (the joker, 52 cards of series 0 and
// the four wild deuces) in the machine's alternate style and writes them as
// PNG bytes into a C++ source file: generate OUT.cpp
#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QStringList>

#include <cstdio>
#include <string>

#include "cardart.h"

namespace {

QStringList deckNames() {
    QStringList names{QStringLiteral("PP0")};
    const char ranks[] = {'A', '2', '3', '4', '5', '6', '7', '8', '9', '1', 'J', 'Q', 'K'};
    for (char suit : {'H', 'B', 'K', 'V'})
        for (char rank : ranks) names << QString::fromLatin1(std::string{rank, suit, '0'});
    names << QStringLiteral("2H4") << QStringLiteral("2B4") << QStringLiteral("2K4") << QStringLiteral("2V4");
    return names;
}

// The bytes as a string literal of octal escapes, which compilers take in
// far faster than a brace list of numbers.
QByteArray literal(const QByteArray& bytes) {
    QByteArray out;
    out.reserve(bytes.size() * 4 + bytes.size() / 20 * 4);
    out += '"';
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (i && i % 40 == 0) out += "\"\n    \"";
        const auto b = static_cast<unsigned char>(bytes[i]);
        char esc[5];
        std::snprintf(esc, sizeof esc, "\\%03o", b);
        out += esc;
    }
    out += '"';
    return out;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUT.cpp\n", argv[0]);
        return 2;
    }
    // Twice the card size, so the deck stays sharp on HiDPI screens and
    // scaled full screen.
    constexpr qreal kScale = 2.0;
    QByteArray source = "// Drawn by talvern-sampledeck-gen; do not edit.\n"
                        "#include \"deckpictures.h\"\n\n"
                        "namespace sampledeck {\n\n";
    QByteArray table = "const Picture kPictures[] = {\n";
    const QStringList names = deckNames();
    for (const QString& name : names) {
        QImage image = talvern::art::renderCardPicture(name, kScale, talvern::art::CardStyle::Alternate);
        if (image.isNull()) {
            std::fprintf(stderr, "no picture for %s\n", qPrintable(name));
            return 1;
        }
        image.setDevicePixelRatio(1.0);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG", 9)) return 1;
        const QByteArray id = "k" + name.toLatin1();
        source += "static const char " + id + "[] =\n    " + literal(png) + ";\n";
        table += "    {\"" + name.toLatin1() + "\", " + id + ", sizeof " + id + " - 1},\n";
    }
    table += "};\nconst int kPictureCount = " + QByteArray::number(names.size()) + ";\n";
    source += "\n" + table + "\n} // namespace sampledeck\n";
    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(source) != source.size()) return 1;
    return 0;
}
