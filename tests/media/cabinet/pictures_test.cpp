#include "media/cabinet/cabinetart.h"
#include "pixels.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>

using namespace talvern::art;
using namespace cabinet_test;

namespace {

constexpr ButtonState kStates[] = {ButtonState::Normal, ButtonState::Hover, ButtonState::Pressed,
                                   ButtonState::Disabled};

void expectSize(const QImage& img, QSize logical, qreal dpr, const char* what)
{
    ASSERT_FALSE(img.isNull()) << what;
    EXPECT_EQ(img.size(), QSize(qRound(logical.width() * dpr), qRound(logical.height() * dpr))) << what;
    EXPECT_DOUBLE_EQ(img.devicePixelRatio(), dpr) << what;
}

class AtDpr : public ::testing::TestWithParam<qreal> {};

TEST_P(AtDpr, EveryPictureHasItsStatedSize)
{
    const qreal dpr = GetParam();
    expectSize(renderFon(dpr), QSize(800, 600), dpr, "fon");
    expectSize(renderIntro(dpr), QSize(800, 600), dpr, "intro");
    expectSize(renderDealCover(dpr), QSize(188, 95), dpr, "dealx");
    expectSize(renderCabinetPreview(dpr), QSize(800, 600), dpr, "preview");

    const QList<QImage> payment = renderPaymentFrames(dpr);
    ASSERT_EQ(payment.size(), kPaymentFrameCount);
    for (const QImage& f : payment)
        expectSize(f, QSize(90, 17), dpr, "payment frame");

    const QList<QImage> ladder = renderDubleFrames(dpr);
    ASSERT_EQ(ladder.size(), 8);
    for (const QImage& f : ladder)
        expectSize(f, QSize(175, 145), dpr, "Duble frame");

    expectSize(renderCaptionButton(QSize(97, 41), QStringLiteral("КРАСНОЕ"), ButtonState::Normal, dpr, ButtonTone::Red),
               QSize(97, 41), dpr, "caption button");
}

TEST_P(AtDpr, EachButtonHasItsControlsSizeAndFourDistinctStates)
{
    const qreal dpr = GetParam();
    const QStringList names = buttonNames();
    ASSERT_EQ(names.size(), 13);
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const QRect place = controlRect(name);
        ASSERT_FALSE(place.isEmpty());
        QList<QImage> states;
        for (ButtonState s : kStates) {
            states << renderButton(name, s, dpr);
            expectSize(states.last(), place.size(), dpr, "button");
        }
        for (int a = 0; a < states.size(); ++a)
            for (int b = a + 1; b < states.size(); ++b)
                EXPECT_NE(states[a], states[b]) << "states " << a << " and " << b << " look the same";
    }
}

TEST_P(AtDpr, ButtonPicturesAreOpaqueAndMatchTheBackgroundAtRest)
{
    // The window lays the button pictures over the background; a button at
    // rest must not change what the player sees.
    const qreal dpr = GetParam();
    const QImage fon = argb(renderFon(dpr));
    const QStringList names = buttonNames();
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const QImage face = argb(renderButton(name, ButtonState::Normal, dpr));
        EXPECT_EQ(countIf(face, [](QRgb c) { return qAlpha(c) != 255; }), 0);
        const QRect place = device(controlRect(name), dpr);
        int compared = 0, different = 0;
        for (int y = 0; y < face.height(); ++y)
            for (int x = 0; x < face.width(); ++x) {
                const QPoint at = place.topLeft() + QPoint(x, y);
                if (!fon.rect().contains(at))
                    continue;
                bool shared = false; // neighbours overlap by a pixel or three
                for (const QString& other : names)
                    shared |= other != name && device(controlRect(other), dpr).adjusted(-2, -2, 2, 2).contains(at);
                if (shared)
                    continue;
                ++compared;
                different += fon.pixel(at) != face.pixel(x, y) ? 1 : 0;
            }
        EXPECT_GT(compared, face.width() * face.height() / 2);
        EXPECT_EQ(different, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Cabinet, AtDpr, ::testing::Values(1.0, 2.0));

TEST(ButtonStates, HoverIsLighterPressedDarkerDisabledGreyer)
{
    for (ButtonTone tone : {ButtonTone::Brass, ButtonTone::Red, ButtonTone::Green, ButtonTone::Blue}) {
        SCOPED_TRACE(static_cast<int>(tone));
        auto face = [&](ButtonState s) {
            return renderCaptionButton(QSize(110, 40), QStringLiteral("ВЫХОД"), s, 1.0, tone);
        };
        const QImage normal = face(ButtonState::Normal);
        EXPECT_GT(meanLightness(face(ButtonState::Hover)), meanLightness(normal));
        EXPECT_LT(meanLightness(face(ButtonState::Pressed)), meanLightness(normal));
        EXPECT_LT(meanSaturation(face(ButtonState::Disabled)), meanSaturation(normal) * 0.6);
    }
}

TEST(CaptionButton, ShapesAndTonesAreHonoured)
{
    const QImage rounded = argb(renderCaptionButton(QSize(40, 40), QStringLiteral("?"), ButtonState::Normal, 1.0));
    const QImage round = argb(renderCaptionButton(QSize(40, 40), QStringLiteral("?"), ButtonState::Normal, 1.0,
                                                  ButtonTone::Brass, ButtonShape::Round));
    EXPECT_EQ(qAlpha(rounded.pixel(0, 0)), 0) << "corners stay clear for the panel behind";
    EXPECT_EQ(qAlpha(rounded.pixel(4, 4)), 255);
    EXPECT_EQ(qAlpha(round.pixel(4, 4)), 0) << "a round button leaves its corners clear";
    EXPECT_EQ(qAlpha(round.pixel(20, 20)), 255);

    auto redness = [](const QImage& img) {
        return countIf(img, [](QRgb c) { return qRed(c) > qGreen(c) + 60; });
    };
    const QImage red = renderCaptionButton(QSize(100, 36), QStringLiteral("КРАСНОЕ"), ButtonState::Normal, 1.0, ButtonTone::Red);
    const QImage black = renderCaptionButton(QSize(100, 36), QStringLiteral("ЧЕРНОЕ"), ButtonState::Normal, 1.0, ButtonTone::Black);
    EXPECT_GT(redness(red), 100 * 36 / 2);
    EXPECT_LT(redness(black), 100);
}

TEST(CaptionButton, LongCaptionsShrinkToStayOnTheFace)
{
    // Lettering must keep clear of the bezel however long the caption is.
    const QImage img = argb(renderCaptionButton(QSize(80, 33), QStringLiteral("ОЧЕНЬ ДЛИННАЯ НАДПИСЬ"),
                                                ButtonState::Normal, 1.0, ButtonTone::Black));
    const QImage blank = argb(renderCaptionButton(QSize(80, 33), QString(), ButtonState::Normal, 1.0, ButtonTone::Black));
    int left = img.width(), right = -1;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != blank.pixel(x, y)) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    ASSERT_GE(right, 0) << "caption drawn";
    EXPECT_GE(left, 3);
    EXPECT_LE(right, img.width() - 4);
}

TEST(Buttons, UnknownNameGivesNoPicture)
{
    EXPECT_TRUE(renderButton(u"btnNoSuchThing", ButtonState::Normal, 1.0).isNull());
    EXPECT_TRUE(controlRect(u"btnNoSuchThing").isEmpty());
}

TEST(Layout, PlacesFollowTheCabinetLayout)
{
    EXPECT_EQ(controlRect(u"Deal"), QRect(342, 510, 134, 79));
    EXPECT_EQ(controlRect(u"dealx"), QRect(343, 511, 188, 95));
    EXPECT_EQ(controlRect(u"btnClose"), QRect(756, 5, 49, 41));
    EXPECT_EQ(controlRect(u"Imwind"), QRect(738, 14, 17, 18));
    EXPECT_EQ(controlRect(u"payment"), QRect(544, 554, 90, 17));
    EXPECT_EQ(controlRect(u"Duble"), QRect(593, 99, 175, 145));
    EXPECT_EQ(controlRect(u"RxLabel8"), QRect(592, 135, 177, 36));
    EXPECT_EQ(controlRect(u"Im5"), QRect(614, 321, 117, 157));
    EXPECT_EQ(controlRect(u"Im1"), QRect(69, 322, 117, 157));
    EXPECT_EQ(controlRect(u"L9"), QRect(256, 195, 225, 20));
    EXPECT_EQ(controlRect(u"Lv10"), QRect(496, 213, 49, 20));
}

TEST(Fon, IsTheSameEveryTime)
{
    EXPECT_EQ(renderFon(1.0), renderFon(1.0));
}

TEST(Fon, CardPlacesAreFramedInWhiteAndLeftEmpty)
{
    const QImage fon = argb(renderFon(1.0));
    auto white = [](QRgb c) { return qRed(c) > 225 && qGreen(c) > 225 && qBlue(c) > 225; };
    for (int i = 1; i <= 5; ++i) {
        SCOPED_TRACE(i);
        const QRect card = controlRect(QStringLiteral("Im%1").arg(i));
        const int midY = card.center().y(), midX = card.center().x();
        EXPECT_GT(countIf(fon, QRect(card.left() - 5, midY - 10, 4, 20), white), 10) << "left edge";
        EXPECT_GT(countIf(fon, QRect(card.right() + 2, midY - 10, 4, 20), white), 10) << "right edge";
        EXPECT_GT(countIf(fon, QRect(midX - 10, card.top() - 5, 20, 4), white), 10) << "top edge";
        EXPECT_GT(countIf(fon, QRect(midX - 10, card.bottom() + 1, 20, 5), white), 10) << "bottom edge";
        EXPECT_EQ(countIf(fon, card.adjusted(6, 6, -6, -6), white), 0) << "the card itself is not painted";
    }
}

TEST(Fon, FieldTitlesSitJustAboveTheirDisplays)
{
    const QImage fon = argb(renderFon(1.0));
    auto gold = [](QRgb c) { return qRed(c) > 190 && qGreen(c) > 130 && qBlue(c) < 150 && qRed(c) > qBlue(c) + 70; };
    for (const char* display : {"RxLabel5", "RxLabel6", "RxLabel7", "RxLabel8"}) {
        SCOPED_TRACE(display);
        const QRect r = controlRect(QString::fromLatin1(display));
        const int lettering = countIf(fon, QRect(r.left() + 20, r.top() - 24, r.width() - 40, 20), gold);
        EXPECT_GT(lettering, 120);
    }
}

TEST(Fon, MessageRowStaysCalm)
{
    // Message lines and hold markers are written in this band; lines, edges
    // or busy texture there would make them hard to read.
    const QImage fon = argb(renderFon(1.0));
    double sum = 0;
    int n = 0, edges = 0;
    for (int y = 277; y < 306; ++y)
        for (int x = 40; x < 759; ++x) {
            const int step = std::abs(qGray(fon.pixel(x + 1, y)) - qGray(fon.pixel(x, y)))
                + std::abs(qGray(fon.pixel(x, y + 1)) - qGray(fon.pixel(x, y)));
            sum += step;
            edges += step > 30 ? 1 : 0;
            ++n;
        }
    EXPECT_LT(sum / n, 10.0);
    EXPECT_EQ(edges, 0);
}

TEST(Ladder, LightsUpRungByRungToTheTop)
{
    const QList<QImage> frames = renderDubleFrames(1.0);
    ASSERT_EQ(frames.size(), 8);
    int previous = -1;
    for (int i = 0; i < frames.size(); ++i) {
        SCOPED_TRACE(i);
        const int lit = countIf(frames[i], bright);
        EXPECT_GT(lit, previous) << "each frame lights more than the one before";
        previous = lit;
        for (int j = 0; j < i; ++j)
            EXPECT_NE(frames[i], frames[j]);
    }
    // Frame 0 has no rung lit: the rung area is as dark as the glass.
    const QRect rungs(40, 60, 95, 78);
    EXPECT_EQ(countIf(frames[0], rungs, bright), 0);
    EXPECT_GT(countIf(frames[7], rungs, bright), 95 * 78 / 3);
}

TEST(Ladder, TopStaysDarkForTheMaximumWinWrittenOverIt)
{
    const QList<QImage> frames = renderDubleFrames(2.0);
    const QRect readout = device(QRect(12, 22, 151, 24), 2.0);
    for (const QImage& f : frames)
        EXPECT_EQ(countIf(f, readout, [](QRgb c) { return qGray(c) > 60; }), 0);
}

TEST(Payment, FramesRunAndLoop)
{
    const QList<QImage> frames = renderPaymentFrames(1.0);
    ASSERT_EQ(frames.size(), kPaymentFrameCount);
    for (int i = 0; i < frames.size(); ++i)
        EXPECT_NE(frames[i], frames[(i + 1) % frames.size()]) << "frame " << i << " does not move on";
    EXPECT_GT(paymentFrameIntervalMs(), 20);
    EXPECT_LT(paymentFrameIntervalMs(), 500);
}

TEST(DealCover, HidesTheDealButtonItIsLaidOver)
{
    const QImage cover = argb(renderDealCover(1.0));
    const QRect deal = controlRect(u"Deal").translated(-controlRect(u"dealx").topLeft());
    // Only the part inside the window counts: the cover hangs below it.
    const QRect seen = deal.intersected(QRect(0, 0, 188, 600 - controlRect(u"dealx").top())).adjusted(4, 4, -4, -4);
    const int solid = countIf(cover, seen, [](QRgb c) { return qAlpha(c) >= 230; });
    EXPECT_GE(solid, seen.width() * seen.height() * 97 / 100);
}

TEST(Intro, ShowsAPictureWithItsInvitation)
{
    const QImage intro = argb(renderIntro(1.0));
    EXPECT_EQ(countIf(intro, [](QRgb c) { return qAlpha(c) != 255; }), 0) << "covers the cabinet completely";
    EXPECT_GT(countIf(intro, QRect(200, 545, 400, 40), bright), 400) << "the line asking for a key";
    EXPECT_GT(countIf(intro, QRect(150, 40, 500, 130), [](QRgb c) { return qRed(c) > 200 && qBlue(c) < 140; }), 3000)
        << "the golden name";
}

TEST(Preview, ShowsValuesPayTableAndCardsOverTheBackground)
{
    const QImage fon = argb(renderFon(1.0));
    const QImage preview = argb(renderCabinetPreview(1.0));
    auto changed = [&](const QRect& r) {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += fon.pixel(x, y) != preview.pixel(x, y);
        return n;
    };
    EXPECT_GT(changed(controlRect(u"RxLabel6")), 500);
    EXPECT_GT(changed(controlRect(u"l1")), 200);
    EXPECT_GT(changed(controlRect(u"Im3")), 117 * 157 / 2);
    EXPECT_EQ(changed(controlRect(u"Deal")), 0) << "without the cover the Deal face is the background's";
    const QImage covered = argb(renderCabinetPreview(1.0, true));
    int coverChanged = 0;
    const QRect deal = controlRect(u"Deal");
    for (int y = deal.top() + 4; y < deal.bottom() - 4; ++y)
        for (int x = deal.left() + 4; x < deal.right() - 4; ++x)
            coverChanged += covered.pixel(x, y) != preview.pixel(x, y);
    EXPECT_GT(coverChanged, deal.width() * deal.height() / 2);
}

} // namespace
