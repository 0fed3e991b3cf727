#include "media/cards/cardart.h"

#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <functional>
#include <vector>

using namespace talvern::art;

namespace {

using PixelTest = std::function<bool(const QColor&)>;

QColor pixel(const QImage& image, int x, int y)
{
    return QColor::fromRgba(qUnpremultiply(image.pixel(x, y)));
}

bool isRed(const QColor& c)
{
    if (c.alpha() < 128) return false;
    const int h = c.hsvHue();
    return (h <= 20 || h >= 340) && h >= 0 && c.hsvSaturation() > 128 && c.value() > 110;
}

bool isGold(const QColor& c)
{
    const int h = c.hsvHue();
    return c.alpha() > 128 && h >= 35 && h <= 55 && c.hsvSaturation() > 110 && c.value() > 150;
}

bool isDarkInk(const QColor& c)
{
    return c.alpha() > 128 && c.value() < 80;
}

int countPixels(const QImage& image, const PixelTest& test)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (test(pixel(image, x, y))) ++n;
    return n;
}

// Connected (4-neighbour) groups of matching pixels inside the area, ignoring
// specks smaller than minSize device pixels.
int countBlobs(const QImage& image, const QRect& area, const PixelTest& test, int minSize)
{
    const int w = area.width(), h = area.height();
    std::vector<char> hit(w * h, 0), seen(w * h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            hit[y * w + x] = test(pixel(image, area.x() + x, area.y() + y));
    int blobs = 0;
    std::vector<int> stack;
    for (int start = 0; start < w * h; ++start) {
        if (!hit[start] || seen[start]) continue;
        int size = 0;
        stack.assign(1, start);
        seen[start] = 1;
        while (!stack.empty()) {
            const int i = stack.back();
            stack.pop_back();
            ++size;
            const int x = i % w, y = i / w;
            const int next[4] = {x > 0 ? i - 1 : -1, x < w - 1 ? i + 1 : -1,
                                 y > 0 ? i - w : -1, y < h - 1 ? i + w : -1};
            for (int j : next)
                if (j >= 0 && hit[j] && !seen[j]) {
                    seen[j] = 1;
                    stack.push_back(j);
                }
        }
        if (size >= minSize) ++blobs;
    }
    return blobs;
}

// Mean absolute difference per channel, 0..255.
double meanDifference(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    if (x.size() != y.size()) return 255.0;
    double sum = 0;
    for (int r = 0; r < x.height(); ++r)
        for (int c = 0; c < x.width(); ++c) {
            const QRgb p = x.pixel(c, r), q = y.pixel(c, r);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
        }
    return sum / (4.0 * x.width() * x.height());
}

QImage render(const QString& name, qreal dpr = 1.0, CardStyle style = CardStyle::Classic)
{
    return renderCardPicture(name, dpr, style);
}

QStringList faceNames()
{
    QStringList faces;
    for (const QString& name : builtInCardPictureNames())
        if (!name.startsWith(u'R')) faces << name;
    return faces;
}

const QStringList kBacks{"R", "R1", "R2", "R3", "R4"};
const QString kSuits = QStringLiteral("HBKV");
const QString kRanks = QStringLiteral("A23456789" "1JQK");

} // namespace

TEST(CardArtNames, BuiltInListHoldsTheSixtyTwoPictures)
{
    const QStringList names = builtInCardPictureNames();
    ASSERT_EQ(names.size(), 62);
    EXPECT_EQ(QSet<QString>(names.begin(), names.end()).size(), 62);
    EXPECT_EQ(names.first(), "PP2");
    for (const char* n : {"AH2", "1H2", "QK2", "KV2", "PP2", "2H4", "2B4", "2K4", "2V4", "R", "R1", "R4"})
        EXPECT_TRUE(names.contains(QString::fromLatin1(n))) << n;
    for (const QString& name : names) EXPECT_TRUE(isCardPictureName(name)) << qPrintable(name);
    // Card-code order: ace to king per suit, hearts first, spades last.
    EXPECT_EQ(names.at(1), "AH2");
    EXPECT_EQ(names.at(13), "KH2");
    EXPECT_EQ(names.at(14), "AB2");
    EXPECT_EQ(names.at(52), "KV2");
}

TEST(CardArtNames, ExactlyTheMachineNamesAreAcceptedAmongAllShortNames)
{
    // Every name of one to three letters or digits: only the 53 faces in two
    // series, the four wild deuces and the five backs are card pictures.
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
    int accepted = 0;
    QString name;
    std::function<void(int)> walk = [&](int length) {
        if (name.size() == length) {
            if (isCardPictureName(name)) ++accepted;
            return;
        }
        for (const QChar c : alphabet) {
            name.append(c);
            walk(length);
            name.chop(1);
        }
    };
    for (int length = 1; length <= 3; ++length) walk(length);
    EXPECT_EQ(accepted, 53 * 2 + 4 + 5);
}

TEST(CardArtNames, SeriesZeroNamesAreAccepted)
{
    for (QString name : faceNames()) {
        if (name.endsWith(u'4')) continue;
        name[2] = u'0';
        EXPECT_TRUE(isCardPictureName(name)) << qPrintable(name);
    }
}

TEST(CardArtNames, OtherNamesAreRejectedAndRenderNull)
{
    for (const char* n : {"", "XX2", "AH7", "1H", "AH", "R0", "R5", "R12", "3H4", "AH4", "PP4",
                          "ah2", "AH22", "0H2", "AX2", "PP", "P2", "RR", "2H", "10H2", " AH2"}) {
        const QString name = QString::fromLatin1(n);
        EXPECT_FALSE(isCardPictureName(name)) << n;
        EXPECT_TRUE(render(name).isNull()) << n;
        EXPECT_TRUE(render(name, 2.0, CardStyle::Alternate).isNull()) << n;
    }
}

TEST(CardArtRender, EveryPictureHasTheCardSizeAtBothPixelRatios)
{
    for (const QString& name : builtInCardPictureNames()) {
        const QImage one = render(name);
        ASSERT_FALSE(one.isNull()) << qPrintable(name);
        EXPECT_EQ(one.size(), QSize(117, 157)) << qPrintable(name);
        EXPECT_EQ(one.deviceIndependentSize(), QSizeF(kCardSize)) << qPrintable(name);
        const QImage two = render(name, 2.0);
        ASSERT_FALSE(two.isNull()) << qPrintable(name);
        EXPECT_EQ(two.size(), QSize(234, 314)) << qPrintable(name);
        EXPECT_DOUBLE_EQ(two.devicePixelRatio(), 2.0) << qPrintable(name);
        // Opaque in the middle: a real card, not a faint outline.
        EXPECT_EQ(qAlpha(one.pixel(58, 78)), 255) << qPrintable(name);
    }
}

TEST(CardArtRender, HighPixelRatioDrawsTheSamePictureFiner)
{
    // Downscaled, the dpr-2 picture must match the dpr-1 one far more closely
    // than two different cards match each other.
    for (const char* n : {"KH2", "7B2", "QV2", "PP2", "2K4", "R3"}) {
        const QImage one = render(QString::fromLatin1(n));
        QImage two = render(QString::fromLatin1(n), 2.0);
        two.setDevicePixelRatio(1.0);
        const QImage down = two.scaled(one.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_LT(meanDifference(one, down), 8.0) << n;
    }
    EXPECT_GT(meanDifference(render("KH2"), render("7B2")), 15.0);
}

TEST(CardArtRender, RoundedCardWithBorder)
{
    for (const char* n : {"AH2", "KV2", "PP2", "2B4", "R", "R4"}) {
        const QImage card = render(QString::fromLatin1(n));
        // Rounded corners leave the very corner clear; the edge is a border line.
        EXPECT_EQ(qAlpha(card.pixel(0, 0)), 0) << n;
        EXPECT_EQ(qAlpha(card.pixel(116, 156)), 0) << n;
        const QColor edge = pixel(card, 0, 78);
        EXPECT_GT(edge.alpha(), 200) << n;
        EXPECT_LT(edge.value(), 200) << n;
    }
}

TEST(CardArtFaces, CornerIndicesAreTheSameTurnedHalfRound)
{
    // The bottom-right index is the top-left one turned by 180 degrees.
    const QRect corner(2, 3, 17, 32);
    for (const QString& name : faceNames()) {
        if (name.startsWith(u"PP")) continue; // the joker's ribbon runs into one corner
        const QImage card = render(name);
        const QImage top = card.copy(corner);
        const QImage bottom = card.copy(QRect(117 - corner.right() - 1, 157 - corner.bottom() - 1,
                                              corner.width(), corner.height()))
                                  .mirrored(true, true);
        EXPECT_LT(meanDifference(top, bottom), 6.0) << qPrintable(name);
        EXPECT_GT(countPixels(top, [](const QColor& c) { return c.alpha() > 128 && c.value() < 220; }), 40)
            << qPrintable(name);
    }
}

TEST(CardArtFaces, CourtsAreDoubleHeaded)
{
    // A court card reads the same either way up; the joker does not.
    for (const QChar suit : kSuits)
        for (const char* rank : {"J", "Q", "K"}) {
            const QImage card = render(QString::fromLatin1(rank) + suit + u'2');
            EXPECT_LT(meanDifference(card, card.mirrored(true, true)), 3.0) << rank << qPrintable(QString(suit));
        }
    const QImage joker = render("PP2");
    EXPECT_GT(meanDifference(joker, joker.mirrored(true, true)), 10.0);
}

TEST(CardArtColours, RedSuitsShowRedAndBlackSuitsNone)
{
    for (const QString& name : faceNames()) {
        if (name.startsWith(u"PP")) continue;
        const bool red = name[1] == u'H' || name[1] == u'B';
        const int reds = countPixels(render(name), isRed);
        if (red) EXPECT_GT(reds, 40) << qPrintable(name);
        else EXPECT_EQ(reds, 0) << qPrintable(name);
    }
}

TEST(CardArtColours, AlternateStyleHasFourColourSuits)
{
    auto blue = [](const QColor& c) {
        return c.alpha() > 128 && c.hsvHue() >= 200 && c.hsvHue() <= 235 && c.hsvSaturation() > 150;
    };
    auto green = [](const QColor& c) {
        return c.alpha() > 128 && c.hsvHue() >= 120 && c.hsvHue() <= 160 && c.hsvSaturation() > 150;
    };
    const QImage diamond = render("5B2", 1.0, CardStyle::Alternate);
    const QImage club = render("5K2", 1.0, CardStyle::Alternate);
    EXPECT_GT(countPixels(diamond, blue), 200);
    EXPECT_EQ(countPixels(diamond, isRed), 0);
    EXPECT_GT(countPixels(club, green), 200);
    EXPECT_GT(countPixels(render("5H2", 1.0, CardStyle::Alternate), isRed), 200);
    EXPECT_EQ(countPixels(render("5V2", 1.0, CardStyle::Alternate), green), 0);
}

TEST(CardArtStyles, AlternateFacesDifferAndBacksStayTheSame)
{
    for (const QString& name : faceNames())
        EXPECT_GT(meanDifference(render(name), render(name, 1.0, CardStyle::Alternate)), 2.0)
            << qPrintable(name);
    for (const QString& back : kBacks)
        EXPECT_EQ(render(back), render(back, 1.0, CardStyle::Alternate)) << qPrintable(back);
}

TEST(CardArtStyles, SeriesZeroDrawsTheSameCardAsSeriesTwo)
{
    for (const CardStyle style : {CardStyle::Classic, CardStyle::Alternate}) {
        for (const QString& name : faceNames()) {
            if (name.endsWith(u'4')) continue;
            QString external = name;
            external[2] = u'0';
            EXPECT_EQ(render(external, 1.0, style), render(name, 1.0, style)) << qPrintable(external);
        }
    }
}

TEST(CardArtBacks, FiveDistinctBacksUnlikeAnyFace)
{
    std::vector<QImage> backs;
    for (const QString& b : kBacks) backs.push_back(render(b));
    for (size_t i = 0; i < backs.size(); ++i)
        for (size_t j = i + 1; j < backs.size(); ++j)
            EXPECT_GT(meanDifference(backs[i], backs[j]), 20.0) << i << " vs " << j;
    for (const QString& face : faceNames()) {
        const QImage f = render(face);
        for (size_t i = 0; i < backs.size(); ++i)
            EXPECT_GT(meanDifference(backs[i], f), 20.0) << qPrintable(kBacks[i] + " vs " + face);
    }
}

TEST(CardArtFaces, WildDeucesAreGildedTwosOfTheirSuit)
{
    for (const QChar suit : kSuits) {
        const QImage plain = render(QStringLiteral("2") + suit + u'2');
        const QImage wild = render(QStringLiteral("2") + suit + u'4');
        EXPECT_GT(meanDifference(plain, wild), 10.0) << qPrintable(QString(suit));
        EXPECT_EQ(countPixels(plain, isGold), 0) << qPrintable(QString(suit));
        EXPECT_GT(countPixels(wild, isGold), 1500) << qPrintable(QString(suit));
    }
}

TEST(CardArtFaces, PipCountsMatchTheRank)
{
    // Between the corner indices only the pips carry the suit colour.
    const qreal dpr = 2.0;
    const QRect area(qRound(19 * dpr), 0, qRound(79 * dpr), qRound(157 * dpr));
    for (const QChar suit : kSuits) {
        const bool red = suit == u'H' || suit == u'B';
        const PixelTest ink = red ? PixelTest(isRed) : PixelTest(isDarkInk);
        for (int rank = 2; rank <= 10; ++rank) {
            const QString name = kRanks.mid(rank - 1, 1) + suit + u'2';
            EXPECT_EQ(countBlobs(render(name, dpr), area, ink, 40), rank) << qPrintable(name);
        }
        if (suit != u'V') { // the ace of spades carries a ribbon and a border
            EXPECT_EQ(countBlobs(render(QStringLiteral("A") + suit + u'2', dpr), area, ink, 40), 1)
                << qPrintable(QString(suit));
        }
    }
}

TEST(CardArtFaces, CourtsAndJokerAreDistinctDrawnFigures)
{
    auto skin = [](const QColor& c) {
        return c.alpha() > 128 && c.hsvHue() >= 20 && c.hsvHue() <= 40 && c.hsvSaturation() > 30 &&
               c.hsvSaturation() < 90 && c.value() > 220;
    };
    QList<QImage> figures;
    for (const QChar suit : kSuits)
        for (const char* rank : {"J", "Q", "K"}) {
            const QImage card = render(QString::fromLatin1(rank) + suit + u'2');
            EXPECT_GT(countPixels(card, skin), 150) << rank << qPrintable(QString(suit));
            EXPECT_GT(countPixels(card, isGold), 300) << rank << qPrintable(QString(suit));
            figures << card;
        }
    figures << render("PP2");
    for (int i = 0; i < figures.size(); ++i)
        for (int j = i + 1; j < figures.size(); ++j)
            EXPECT_GT(meanDifference(figures[i], figures[j]), 3.0) << i << " vs " << j;
}

TEST(CardArtPixmap, CachedPerNameAndPixelRatio)
{
    const QPixmap first = cardPixmap(u"QB2", 2.0);
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(first.size(), QSize(234, 314));
    EXPECT_DOUBLE_EQ(first.devicePixelRatio(), 2.0);
    EXPECT_EQ(cardPixmap(u"QB2", 2.0).cacheKey(), first.cacheKey());
    const QPixmap single = cardPixmap(u"QB2", 1.0);
    EXPECT_NE(single.cacheKey(), first.cacheKey());
    EXPECT_EQ(single.size(), QSize(117, 157));
    EXPECT_EQ(single.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
              render("QB2").convertToFormat(QImage::Format_ARGB32_Premultiplied));
    EXPECT_TRUE(cardPixmap(u"XX2").isNull());
    EXPECT_TRUE(cardPixmap(u"").isNull());
}

class CardArtTool : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    int run(const QStringList& arguments)
    {
        QProcess tool;
        tool.start(QStringLiteral(TALVERN_CARDART_TOOL), arguments);
        if (!tool.waitForFinished(60000)) return -1;
        return tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
    }

    QString path(const QString& file) const { return dir_.filePath(file); }

    QTemporaryDir dir_;
};

TEST_F(CardArtTool, WritesEveryPictureAtTheRequestedRatioAndStyle)
{
    ASSERT_EQ(run({QStringLiteral("--dpr"), QStringLiteral("2"), path(QStringLiteral("hi"))}), 0);
    ASSERT_EQ(run({QStringLiteral("--style"), QStringLiteral("alternate"), path(QStringLiteral("alt"))}), 0);
    const QStringList names = builtInCardPictureNames();
    EXPECT_EQ(QDir(path(QStringLiteral("hi"))).entryList({QStringLiteral("*.png")}, QDir::Files).size(),
              names.size());
    for (const QString& name : names) {
        const QImage hi(path(QStringLiteral("hi/") + name + QStringLiteral(".png")));
        ASSERT_FALSE(hi.isNull()) << qPrintable(name);
        EXPECT_EQ(hi.size(), QSize(234, 314)) << qPrintable(name);
    }
    const QImage alt(path(QStringLiteral("alt/KB2.png")));
    EXPECT_EQ(alt.convertToFormat(QImage::Format_ARGB32),
              render("KB2", 1.0, CardStyle::Alternate).convertToFormat(QImage::Format_ARGB32));
}

TEST_F(CardArtTool, WritesAContactSheetAndRejectsBadOptions)
{
    const QString sheet = path(QStringLiteral("sheet.png"));
    ASSERT_EQ(run({QStringLiteral("--sheet"), sheet}), 0);
    const QImage image(sheet);
    ASSERT_FALSE(image.isNull());
    // Thirteen columns and five rows of cards.
    EXPECT_GT(image.width(), 13 * 117);
    EXPECT_GT(image.height(), 5 * 157);
    EXPECT_LT(image.width(), 13 * 117 + 200);
    EXPECT_NE(run({QStringLiteral("--style"), QStringLiteral("gothic"), path(QStringLiteral("x"))}), 0);
    EXPECT_NE(run({QStringLiteral("--dpr"), QStringLiteral("zero"), path(QStringLiteral("x"))}), 0);
    EXPECT_FALSE(QDir(path(QStringLiteral("x"))).exists());
}

int main(int argc, char** argv)
{
    // The cards need a GUI application for fonts and pixmaps, never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
