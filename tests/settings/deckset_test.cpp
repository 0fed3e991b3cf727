// External decks for real: the sample deck library and broken ones built by
// this folder's CMake are copied into the data folder of the test home and
// loaded from there, as the program does.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "cardart.h"
#include "deckset.h"
#include "home.h"

namespace talvern::decks::test {
namespace {

using settings::test::freshPaths;
using settings::test::installDeck;

const QString kSample = QStringLiteral(SAMPLE_DECK);
QString testDeck(const char* name) { return QStringLiteral(TEST_DECK_DIR "/") + QLatin1String(name) + ".so"; }

struct Folder {
    QString path = freshPaths().dataFolder;
    Folder() { QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner); }
};

TEST(DeckNames, TheNumberIsInCharactersThirtyNineAndForty) {
    const QString title = QStringLiteral("Колода").leftJustified(38, u' ');
    EXPECT_EQ(numberInName(title + "07"), 7);
    EXPECT_EQ(numberInName(title + "15 и ещё что-то"), 15);
    EXPECT_EQ(numberInName(title + "7"), std::nullopt);
    EXPECT_EQ(numberInName(title + "x7"), std::nullopt);
    EXPECT_EQ(numberInName(title.left(37) + "07"), std::nullopt);
    EXPECT_EQ(numberInName(QString()), std::nullopt);
    EXPECT_EQ(deckFileName(12), "deckset12.so");
}

TEST(DeckFolder, TheSampleDeckIsFoundAndTheBrokenOnesAreSkipped) {
    Folder f;
    ASSERT_TRUE(installDeck(kSample, f.path, 5));
    ASSERT_TRUE(installDeck(testDeck("testdeck_noname"), f.path, 1));
    ASSERT_TRUE(installDeck(testDeck("testdeck_short"), f.path, 2));
    ASSERT_TRUE(installDeck(testDeck("testdeck_broken"), f.path, 3));
    ASSERT_TRUE(installDeck(testDeck("testdeck_wrongnum"), f.path, 4));
    ASSERT_TRUE(installDeck(testDeck("testdeck_nopics"), f.path, 7));
    ASSERT_TRUE(installDeck(testDeck("testdeck_needs"), f.path, 8));
    // the sample deck again under another number: its name says 05
    ASSERT_TRUE(installDeck(kSample, f.path, 6));
    // not a library at all, a folder, and a number out of range
    {
        QFile junk(f.path + "/deckset9.so");
        ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
        junk.write("no library here");
    }
    ASSERT_TRUE(QDir(f.path).mkdir("deckset10.so"));
    ASSERT_TRUE(installDeck(kSample, f.path, 16));

    DeckSet set(f.path);
    const QList<FoundDeck> found = set.enumerate();
    QList<int> numbers;
    for (const FoundDeck& d : found) numbers << d.number;
    EXPECT_EQ(numbers, (QList<int>{3, 5, 7}));
    ASSERT_EQ(found.size(), 3);
    EXPECT_EQ(found[1].name, QStringLiteral("Слоновая кость: четыре цвета мастей, №05"));
    EXPECT_EQ(numberInName(found[0].name), 3);
    EXPECT_EQ(set.names().size(), 3);
}

TEST(DeckFolder, OnlyFilesOfTheFolderItselfAreLoaded) {
    Folder f;
    // A link to a good deck outside the folder, and a deck anyone may change.
    QTemporaryDir outside;
    ASSERT_TRUE(installDeck(kSample, outside.path(), 5));
    ASSERT_TRUE(QFile::link(outside.path() + "/deckset5.so", f.path + "/deckset5.so"));
    ASSERT_TRUE(installDeck(testDeck("testdeck_broken"), f.path, 3,
                            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther |
                                QFileDevice::WriteOther));
    DeckSet set(f.path);
    EXPECT_TRUE(set.enumerate().isEmpty());
    EXPECT_FALSE(set.select(5));
    EXPECT_FALSE(set.select(3));
    EXPECT_FALSE(trustedDeckPath(f.path, 5).has_value());

    // A folder others may write to is trusted with nothing.
    QFile::remove(f.path + "/deckset5.so");
    ASSERT_TRUE(installDeck(kSample, f.path, 5));
    EXPECT_EQ(trustedDeckPath(f.path, 5), QDir(f.path).canonicalPath() + "/deckset5.so");
    QFile::setPermissions(f.path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                      QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther);
    EXPECT_FALSE(trustedDeckPath(f.path, 5).has_value());
    EXPECT_TRUE(DeckSet(f.path).enumerate().isEmpty());
    EXPECT_FALSE(trustedDeckPath(f.path + "/missing", 5).has_value());
    EXPECT_FALSE(trustedDeckPath(f.path, -1).has_value());
}

TEST(DeckSelection, TheSampleDeckDrawsItsOwnPicturesAndLacksNone) {
    Folder f;
    ASSERT_TRUE(installDeck(kSample, f.path, 5));
    DeckSet set(f.path);
    ASSERT_TRUE(set.select(5));
    EXPECT_TRUE(set.loaded());
    EXPECT_EQ(set.number(), 5);

    QStringList names{"PP0", "2H4", "2B4", "2K4", "2V4"};
    for (QChar suit : {u'H', u'B', u'K', u'V'})
        for (QChar rank : QStringLiteral("A23456789JQK1")) names << QString(rank) + suit + '0';
    ASSERT_EQ(names.size(), 57);
    for (const QString& n : names) {
        const QImage img = set.picture(n);
        ASSERT_FALSE(img.isNull()) << qPrintable(n);
        EXPECT_EQ(img.size(), QSize(234, 314)) << qPrintable(n);
    }
    // They are the alternate art, not the machine's own.
    const QImage expected = art::renderCardPicture(u"QV0", 2.0, art::CardStyle::Alternate).convertToFormat(QImage::Format_ARGB32);
    const QImage ownArt = art::renderCardPicture(u"QV2", 2.0).convertToFormat(QImage::Format_ARGB32);
    const QImage got = set.picture("QV0").convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(got.pixel(117, 157), expected.pixel(117, 157));
    EXPECT_EQ(got.pixel(20, 100), expected.pixel(20, 100));
    EXPECT_NE(got.pixel(20, 100), ownArt.pixel(20, 100));

    EXPECT_TRUE(set.picture("AH2").isNull());  // the built-in series is not the deck's
    EXPECT_TRUE(set.picture("ZZ0").isNull());
    EXPECT_TRUE(set.picture(QStringLiteral("АН0")).isNull());  // Cyrillic look-alikes
    EXPECT_TRUE(set.picture("AH0AH0").isNull());
}

TEST(DeckSelection, BrokenPicturesAndDecksWithoutPicturesFallBack) {
    Folder f;
    ASSERT_TRUE(installDeck(testDeck("testdeck_broken"), f.path, 3));
    ASSERT_TRUE(installDeck(testDeck("testdeck_nopics"), f.path, 7));
    ASSERT_TRUE(installDeck(testDeck("testdeck_noname"), f.path, 1));
    DeckSet set(f.path);
    ASSERT_TRUE(set.select(3));
    EXPECT_EQ(set.picture("PP0").size(), QSize(1, 1));
    EXPECT_TRUE(set.picture("AH0").isNull());  // not a PNG
    EXPECT_TRUE(set.picture("KV0").isNull());  // a PNG far too large
    EXPECT_TRUE(set.picture("QH0").isNull());  // no bytes
    EXPECT_TRUE(set.picture("2H4").isNull());  // missing
    EXPECT_FALSE(set.select(7));
    EXPECT_FALSE(set.loaded());
    EXPECT_TRUE(set.picture("PP0").isNull());  // another deck was asked for: the last one's pictures are gone
    // A deck needs no name to be used once it is chosen.
    EXPECT_TRUE(set.select(1));
    EXPECT_FALSE(set.select(12));
    EXPECT_FALSE(set.loaded());
}

TEST(DeckSelection, EnumeratingLeavesTheDeckInUseLoaded) {
    Folder f;
    ASSERT_TRUE(installDeck(kSample, f.path, 5));
    DeckSet set(f.path);
    ASSERT_TRUE(set.select(5));
    ASSERT_FALSE(set.picture("AH0").isNull());
    for (int i = 0; i < 3; ++i) EXPECT_EQ(set.enumerate().size(), 1);
    // Pictures not asked for before still come from the loaded library.
    EXPECT_FALSE(set.picture("KV0").isNull());
    EXPECT_FALSE(set.picture("2V4").isNull());

    // Let go, the deck's pictures already shown stay for the cards on the table.
    set.unload();
    EXPECT_FALSE(set.loaded());
    EXPECT_FALSE(set.picture("AH0").isNull());
    EXPECT_TRUE(set.picture("QB0").isNull());
}

} // namespace
} // namespace talvern::decks::test
