// The receipt and the history viewer, offscreen: their controls, what they
// show, how they close, and that the receipt's pictures are really drawn.
#include "fixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "historyviewer.h"
#include "receiptart.h"
#include "totalswindow.h"

namespace talvern::store::test {
namespace {

class StoreWindows : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "store_tests";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance()) new QApplication(argc, argv);
    }
};

TEST_F(StoreWindows, ReceiptHasItsControlsAtTheirPlaces) {
    TotalsFigures figures;
    TForm4 w(figures);
    EXPECT_EQ(w.size(), QSize(378, 319));
    EXPECT_TRUE(w.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(w.Image2->geometry(), QRect(13, 61, 350, 250));
    EXPECT_EQ(w.Label5->pos(), QPoint(208, 66));
    const std::array<QLabel*, 4> rows{w.Label1, w.Label2, w.Label3, w.Label4};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i]->pos(), QPoint(248, art::kFigureTops[i]));
        EXPECT_EQ(rows[i]->text(), "0");
    }
    EXPECT_EQ(w.Label5->text(), "1");
    EXPECT_EQ(w.findChild<QLabel*>("Label3"), w.Label3);
}

TEST_F(StoreWindows, ShowingTheReceiptRefreshesItsFigures) {
    TotalsFigures figures;
    TForm4 w(figures);
    int activations = 0;
    w.setActivationHandler([&] {
        ++activations;
        figures = {17, 300, 0, 120, 0};
    });
    w.show();
    EXPECT_GE(activations, 1);
    EXPECT_EQ(w.Label5->text(), "17");
    EXPECT_EQ(w.Label1->text(), "300");
    EXPECT_EQ(w.Label3->text(), "120");
    EXPECT_EQ(w.Label4->text(), "0");
    // Every figure fits on the bill.
    figures = {9999, 1000000, 1000000, 999900, 1000000};
    w.refresh();
    for (QLabel* l : {w.Label1, w.Label2, w.Label3, w.Label4, w.Label5})
        EXPECT_LE(l->geometry().right(), art::kReceiptRect.right()) << l->objectName().toStdString();
}

TEST_F(StoreWindows, AnyKeyButYClosesTheReceipt) {
    TotalsFigures figures;
    TForm4 w(figures);
    for (int key : {int(Qt::Key_Return), int(Qt::Key_Escape), int(Qt::Key_A), int(Qt::Key_Space), int(Qt::Key_N)}) {
        w.show();
        ASSERT_TRUE(w.isVisible());
        QTest::keyClick(&w, static_cast<Qt::Key>(key));
        EXPECT_FALSE(w.isVisible()) << key;
    }
    w.show();
    QTest::keyClick(&w, Qt::Key_Y);
    EXPECT_TRUE(w.isVisible());
    QKeyEvent russianY(QEvent::KeyPress, 0x041D, Qt::NoModifier, QStringLiteral("н"));  // the same key, Russian layout
    QApplication::sendEvent(&w, &russianY);
    EXPECT_TRUE(w.isVisible());
    QTest::mouseClick(w.Image2, Qt::LeftButton, {}, QPoint(40, 40));
    EXPECT_FALSE(w.isVisible());
    w.show();
    QTest::mouseClick(w.Image1, Qt::LeftButton, {}, QPoint(5, 300));
    EXPECT_FALSE(w.isVisible());
}

TEST_F(StoreWindows, ReceiptPicturesAreDrawnAtTheirSizes) {
    const QImage board = art::clipboardPicture(2.0);
    EXPECT_EQ(board.size(), QSize(756, 638));
    EXPECT_EQ(board.deviceIndependentSize(), QSizeF(378, 319));
    // Wood at the corner, paper in the middle: brown and near white.
    const QColor corner = board.pixelColor(10, 620);
    EXPECT_GT(corner.red(), corner.blue() + 40);
    const QColor middle = board.pixelColor(378, 400);
    EXPECT_GT(middle.lightness(), 220);

    const QImage bill = art::receiptPicture(1.0);
    EXPECT_EQ(bill.size(), QSize(350, 250));
    // The words of the "won" row are printed in red, the others are not.
    auto redPixels = [&](int top) {
        int n = 0;
        for (int y = top; y < top + 30; ++y)
            for (int x = 10; x < 140; ++x) {
                const QColor c = bill.pixelColor(x, y);
                n += c.alpha() > 120 && c.red() > c.green() + 60;
            }
        return n;
    };
    const int wonTop = art::kFigureTops[2] - art::kReceiptRect.top();
    const int loadedTop = art::kFigureTops[0] - art::kReceiptRect.top();
    EXPECT_GT(redPixels(wonTop), 50);
    EXPECT_EQ(redPixels(loadedTop), 0);
    // The figure column is left blank for the labels.
    int inked = 0;
    for (int y = loadedTop + 4; y < loadedTop + 26; ++y)
        for (int x = art::kFigureLeft - art::kReceiptRect.left() + 2; x < 330; ++x) inked += bill.pixelColor(x, y).alpha() > 100;
    EXPECT_EQ(inked, 0);
}

TEST_F(StoreWindows, HistoryViewerIsReadOnlyAndOkHidesIt) {
    TForm6 v;
    EXPECT_EQ(v.size(), QSize(387, 330));
    EXPECT_EQ(v.Memo1->geometry(), QRect(8, 8, 369, 273));
    EXPECT_TRUE(v.Memo1->isReadOnly());
    EXPECT_EQ(v.Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(v.Button1->text(), "Ok");
    EXPECT_TRUE(v.windowTitle().isEmpty());
    EXPECT_FALSE(v.windowFlags() & Qt::WindowCloseButtonHint);

    v.setLogText("\n" + kLogRule + "\nИгра номер  1");
    EXPECT_EQ(v.Memo1->toPlainText(), "\n" + kLogRule + "\nИгра номер  1");
    v.show();
    ASSERT_TRUE(v.isVisible());
    QTest::mouseClick(v.Button1, Qt::LeftButton);
    EXPECT_FALSE(v.isVisible());
}

// Made with its text area later, the viewer still shows every text it was
// given, the last one given winning, and its Ok still hides it.
TEST_F(StoreWindows, AHistoryViewerMadeLaterShowsTheTextItWasGiven) {
    TForm6 v(nullptr, TForm6::Controls::Later);
    v.setLogText("first");
    v.setLogText("\n" + kLogRule + "\nИгра номер  3");
    EXPECT_FALSE(v.controlsBuilt());
    v.show();
    ASSERT_TRUE(v.controlsBuilt());
    EXPECT_TRUE(v.Memo1->isVisible());
    EXPECT_TRUE(v.Button1->isVisible());
    EXPECT_EQ(v.Memo1->toPlainText(), "\n" + kLogRule + "\nИгра номер  3");
    v.setLogText("again");
    EXPECT_EQ(v.Memo1->toPlainText(), "again");
    QTest::mouseClick(v.Button1, Qt::LeftButton);
    EXPECT_FALSE(v.isVisible());
}

} // namespace
} // namespace talvern::store::test
