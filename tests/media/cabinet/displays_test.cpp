#include "media/cabinet/cabinetart.h"
#include "pixels.h"

#include <QPainter>

#include <gtest/gtest.h>

using namespace talvern::art;
using namespace cabinet_test;

namespace {

QImage payLine(const QString& text, bool marked, qreal dpr, QSize size = QSize(225, 20))
{
    QImage img(qRound(size.width() * dpr), qRound(size.height() * dpr), QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(dpr);
    img.fill(QColor(6, 8, 24)); // the pay table's glass
    QPainter p(&img);
    paintPayLine(p, QRectF(QPointF(0, 0), QSizeF(size)), text, marked, Qt::AlignLeft | Qt::AlignVCenter);
    p.end();
    return img;
}

QImage display(const QString& text, qreal dpr = 1.0, QSize size = kNumberDisplaySize)
{
    QImage img(qRound(size.width() * dpr), qRound(size.height() * dpr), QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(dpr);
    img.fill(Qt::magenta); // anything the readout leaves unpainted would show
    QPainter p(&img);
    paintNumberDisplay(p, QRectF(QPointF(0, 0), QSizeF(size)), text);
    p.end();
    return img;
}

bool exactly(QRgb c, int r, int g, int b) { return qRed(c) == r && qGreen(c) == g && qBlue(c) == b; }
bool litSegment(QRgb c) { return qRed(c) > 180 && qRed(c) > qBlue(c) + 60; }

class PayLineAtDpr : public ::testing::TestWithParam<qreal> {};

TEST_P(PayLineAtDpr, BorderIsGreyNormallyAndRedWhenMarked)
{
    const qreal dpr = GetParam();
    const QImage plain = payLine(QStringLiteral("Full House..."), false, dpr);
    const QImage marked = payLine(QStringLiteral("Full House..."), true, dpr);
    auto grey = [](QRgb c) { return exactly(c, 128, 128, 128); };
    auto red = [](QRgb c) { return exactly(c, 255, 0, 0); };
    const int perimeter = qRound((2 * 225 + 2 * 20 - 4) * dpr);
    EXPECT_GE(countIf(plain, grey), perimeter);
    EXPECT_EQ(countIf(plain, red), 0);
    EXPECT_GE(countIf(marked, red), perimeter);
    EXPECT_EQ(countIf(marked, grey), 0);
    // The corners are border, not smoothed into the glass.
    EXPECT_TRUE(grey(plain.pixel(0, 0)));
    EXPECT_TRUE(red(marked.pixel(marked.width() - 1, marked.height() - 1)));
}

INSTANTIATE_TEST_SUITE_P(PayTable, PayLineAtDpr, ::testing::Values(1.0, 2.0));

TEST(PayLine, TextIsWrittenInGoldInsideTheBorder)
{
    const QImage line = payLine(QStringLiteral("Straight Flush..."), false, 1.0);
    const QImage empty = payLine(QString(), false, 1.0);
    auto gold = [](QRgb c) { return qRed(c) > 200 && qGreen(c) > 150 && qBlue(c) < 140; };
    EXPECT_GT(countIf(line, QRect(2, 2, 221, 16), gold), 80);
    EXPECT_EQ(countIf(empty, gold), 0);
}

TEST(PayLine, AlignmentPlacesTheValue)
{
    QImage img(73, 20, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::black);
    QPainter p(&img);
    paintPayLine(p, QRectF(0, 0, 73, 20), QStringLiteral("300"), false, Qt::AlignRight);
    p.end();
    auto text = [](QRgb c) { return qRed(c) > 200 && qGreen(c) > 150 && qBlue(c) < 140; };
    EXPECT_EQ(countIf(img, QRect(2, 2, 30, 16), text), 0);
    EXPECT_GT(countIf(img, QRect(40, 2, 31, 16), text), 20);
}

TEST(NumberDisplay, DrawsDigitsAndFillsItsRect)
{
    const QImage blank = display(QString());
    const QImage zero = display(QStringLiteral("0"));
    const QImage big = display(QStringLiteral("10000"));
    EXPECT_EQ(countIf(blank, litSegment), 0);
    EXPECT_GT(countIf(zero, litSegment), 60);
    EXPECT_GT(countIf(big, litSegment), countIf(zero, litSegment) * 2);
    EXPECT_NE(zero, big);
    EXPECT_NE(zero, blank);
    auto magenta = [](QRgb c) { return exactly(c, 255, 0, 255); };
    EXPECT_LT(countIf(zero, QRect(2, 2, 173, 32), magenta), 1) << "the readout paints its own glass";
}

TEST(NumberDisplay, NumbersAreRightAligned)
{
    const QImage one = display(QStringLiteral("1"));
    EXPECT_EQ(countIf(one, QRect(0, 0, 130, 36), litSegment), 0);
    EXPECT_GT(countIf(one, QRect(130, 0, 47, 36), litSegment), 20);
}

TEST(NumberDisplay, TenDigitsAndAMinusFitInside)
{
    for (const QString& text : {QStringLiteral("-999999999"), QStringLiteral("1234567890"), QStringLiteral("-1234567890")}) {
        SCOPED_TRACE(text.toStdString());
        const QImage img = display(text);
        // The leading character shows at the left, and nothing is cut off:
        // the outermost columns stay unlit.
        EXPECT_GT(countIf(img, QRect(0, 0, 30, 36), litSegment), 8);
        EXPECT_EQ(countIf(img, QRect(0, 0, 2, 36), litSegment), 0);
        EXPECT_EQ(countIf(img, QRect(175, 0, 2, 36), litSegment), 0);
    }
    const QImage minus = display(QStringLiteral("-5"));
    const QImage five = display(QStringLiteral("5"));
    EXPECT_GT(countIf(minus, litSegment), countIf(five, litSegment));
}

TEST(NumberDisplay, IsSharpAtDoubleDensity)
{
    const QImage img = display(QStringLiteral("100"), 2.0);
    EXPECT_EQ(img.size(), QSize(354, 72));
    // Twice the pixels per side: about four times the lit pixels of dpr 1.
    const int lit1 = countIf(display(QStringLiteral("100")), litSegment);
    const int lit2 = countIf(img, litSegment);
    EXPECT_GT(lit2, lit1 * 3);
    EXPECT_LT(lit2, lit1 * 5);
}

} // namespace
