// The pictures kept once painted: read back pixel for pixel, painted again
// whenever the kept file cannot be trusted, and never in the way when the
// folder cannot be written.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

#include "cabinetart.h"
#include "picturecache.h"

namespace talvern::art {
namespace {

// A picture whose pixels differ everywhere, and a count of the paintings.
struct Painter {
    int paintings = 0;
    qreal dpr = 1.0;
    QImage operator()() {
        ++paintings;
        QImage img(QSize(37, 23) * dpr, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) img.setPixel(x, y, qRgba(x * 7, y * 11, (x ^ y) & 0xff, 255));
        img.setDevicePixelRatio(dpr);
        return img;
    }
};

class PictureCache : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        setPictureFolder(dir.path());
    }
    void TearDown() override { setPictureFolder({}); }
    QString file(const QString& name, qreal dpr = 1.0) {
        return versionFolder() + u'/' + name + QStringLiteral("@") + QString::number(dpr, 'f', 4) + QStringLiteral(".pic");
    }
    QTemporaryDir dir;
};

TEST_F(PictureCache, APictureIsPaintedOnceAndReadBackAsItWas) {
    Painter paint;
    const QImage first = keptPicture(QStringLiteral("test"), 1.0, std::ref(paint));
    EXPECT_EQ(lastPictureSource(), PictureSource::Painted);
    EXPECT_TRUE(QFile::exists(file(QStringLiteral("test"))));
    const QImage again = keptPicture(QStringLiteral("test"), 1.0, std::ref(paint));
    EXPECT_EQ(lastPictureSource(), PictureSource::Read);
    EXPECT_EQ(paint.paintings, 1);
    EXPECT_EQ(again, first);
    EXPECT_EQ(again.devicePixelRatio(), 1.0);

    // Another ratio is another picture.
    paint.dpr = 2.0;
    const QImage twice = keptPicture(QStringLiteral("test"), 2.0, std::ref(paint));
    EXPECT_EQ(paint.paintings, 2);
    EXPECT_EQ(twice.size(), QSize(74, 46));
    EXPECT_EQ(keptPicture(QStringLiteral("test"), 2.0, std::ref(paint)), twice);
    EXPECT_EQ(keptPicture(QStringLiteral("test"), 2.0, std::ref(paint)).devicePixelRatio(), 2.0);
    EXPECT_EQ(paint.paintings, 2);
}

TEST_F(PictureCache, FramesAreKeptTogetherInTheirOrder) {
    int paintings = 0;
    const auto frames = [&] {
        ++paintings;
        QList<QImage> list;
        for (int i = 0; i < 5; ++i) {
            QImage img(10 + i, 8, QImage::Format_ARGB32_Premultiplied);
            img.fill(qRgba(i * 40, 0, 0, 255));
            list << img;
        }
        return list;
    };
    const QList<QImage> painted = keptPictures(QStringLiteral("frames"), 1.0, frames);
    const QList<QImage> read = keptPictures(QStringLiteral("frames"), 1.0, frames);
    EXPECT_EQ(paintings, 1);
    ASSERT_EQ(read.size(), 5);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(read[i], painted[i]) << i;
}

TEST_F(PictureCache, AKeptFileThatCannotBeTrustedIsPaintedAgainAndReplaced) {
    Painter paint;
    const QImage good = keptPicture(QStringLiteral("damaged"), 1.0, std::ref(paint));
    const QString path = file(QStringLiteral("damaged"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray whole = f.readAll();
    f.close();

    // each damage: the bytes the file gets instead
    QByteArray flipped = whole;
    flipped[flipped.size() / 2] = char(flipped[flipped.size() / 2] ^ 0x10);
    QByteArray wideHeader = whole;
    wideHeader[16] = char(0xff);  // the first picture's width
    const QList<std::pair<const char*, QByteArray>> damages = {
        {"empty", QByteArray()},
        {"cut short", whole.left(whole.size() - 100)},
        {"longer", whole + QByteArray(10, 'x')},
        {"a pixel changed", flipped},
        {"a header that does not fit the size", wideHeader},
        {"not ours at all", QByteArray(whole.size(), '\x55')},
    };
    for (const auto& [what, bytes] : damages) {
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        f.close();
        const int before = paint.paintings;
        EXPECT_EQ(keptPicture(QStringLiteral("damaged"), 1.0, std::ref(paint)), good) << what;
        EXPECT_EQ(paint.paintings, before + 1) << what;
        // ... and the file is whole again
        EXPECT_EQ(keptPicture(QStringLiteral("damaged"), 1.0, std::ref(paint)), good) << what;
        EXPECT_EQ(lastPictureSource(), PictureSource::Read) << what;
    }
}

TEST_F(PictureCache, AFolderThatCannotBeWrittenOnlyMeansPainting) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes anywhere";
    ASSERT_EQ(chmod(dir.path().toLocal8Bit().constData(), 0500), 0);
    Painter paint;
    const QImage a = keptPicture(QStringLiteral("ro"), 1.0, std::ref(paint));
    const QImage b = keptPicture(QStringLiteral("ro"), 1.0, std::ref(paint));
    chmod(dir.path().toLocal8Bit().constData(), 0700);
    EXPECT_EQ(paint.paintings, 2);
    EXPECT_EQ(a, b);
    EXPECT_FALSE(a.isNull());
}

TEST_F(PictureCache, AFileWhereTheFolderShouldBeOnlyMeansPainting) {
    // The folder's place is taken by a file: nothing can be kept below it.
    setPictureFolder(dir.path() + "/taken");
    QFile blocker(dir.path() + "/taken");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Painter paint;
    EXPECT_FALSE(keptPicture(QStringLiteral("x"), 1.0, std::ref(paint)).isNull());
    EXPECT_FALSE(keptPicture(QStringLiteral("x"), 1.0, std::ref(paint)).isNull());
    EXPECT_EQ(paint.paintings, 2);
}

TEST_F(PictureCache, WithoutAFolderEveryPictureIsPainted) {
    setPictureFolder({});
    EXPECT_TRUE(versionFolder().isEmpty());
    Painter paint;
    keptPicture(QStringLiteral("none"), 1.0, std::ref(paint));
    keptPicture(QStringLiteral("none"), 1.0, std::ref(paint));
    EXPECT_EQ(paint.paintings, 2);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 0);
}

TEST_F(PictureCache, OtherVersionsAreClearedAwayAndNothingElse) {
    for (const char* d : {"0123456789abcdef", "fedcba9876543210", "notaversion"}) QDir(dir.path()).mkpath(d);
    QFile other(dir.path() + "/0123456789abcdef/intro@1.0000.pic");
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("old");
    other.close();
    Painter paint;
    keptPicture(QStringLiteral("v"), 1.0, std::ref(paint));
    const QStringList left = QDir(dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    EXPECT_EQ(left.size(), 2) << qPrintable(left.join(' '));
    EXPECT_TRUE(left.contains("notaversion"));
    EXPECT_TRUE(left.contains(versionFolder().section(u'/', -1)));
}

TEST_F(PictureCache, PicturesOfAnUnusualKindAreNotKept) {
    int paintings = 0;
    const auto indexed = [&] {
        ++paintings;
        QImage img(8, 8, QImage::Format_Indexed8);
        img.setColorCount(1);
        img.fill(0);
        return img;
    };
    keptPicture(QStringLiteral("indexed"), 1.0, indexed);
    keptPicture(QStringLiteral("indexed"), 1.0, indexed);
    EXPECT_EQ(paintings, 2);
    EXPECT_TRUE(keptPicture(QStringLiteral("null"), 1.0, [] { return QImage(); }).isNull());
}

TEST_F(PictureCache, TheCabinetReadBackIsThePaintedCabinet) {
    // The real art, through its kept copy.
    const QImage painted = renderIntro(1.25);
    EXPECT_EQ(lastPictureSource(), PictureSource::Painted);
    const QImage read = renderIntro(1.25);
    EXPECT_EQ(lastPictureSource(), PictureSource::Read);
    EXPECT_EQ(read, painted);
    EXPECT_EQ(read.devicePixelRatio(), 1.25);
}

} // namespace
} // namespace talvern::art
