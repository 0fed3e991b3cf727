#include "aboutwindow.h"

#include <QDesktopServices>
#include <QLabel>
#include <QMouseEvent>
#include <QUrl>

#include <cmath>

#include "aboutart.h"
#include "controller.h"

namespace talvern::about {

namespace {

// The site's address as the card prints it: no scheme, the Russian start page.
QString printedAddress() {
    QString a = web::homePage();
    const qsizetype scheme = a.indexOf(QStringLiteral("://"));
    if (scheme >= 0) a = a.mid(scheme + 3);
    return a;
}

// The link strip: invisible, with the hand cursor.
class LinkStrip : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) QDesktopServices::openUrl(QUrl(web::homePage()));
        e->accept();
    }
};

} // namespace

Tabout::Tabout(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("about"));
    setWindowTitle(QStringLiteral("About"));
    setFixedSize(kCardSize);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(128, 0, 0));
    setPalette(pal);
    setAutoFillBackground(true);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(QRect(QPoint(0, 0), kCardSize));
    // Clicks on the pictures are clicks on the window.
    Image1->setAttribute(Qt::WA_TransparentForMouseEvents);
    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(kEmblemRect);
    Image2->setAttribute(Qt::WA_TransparentForMouseEvents);

    abcURLLabel1 = new LinkStrip(this);
    abcURLLabel1->setObjectName(QStringLiteral("abcURLLabel1"));
    abcURLLabel1->setGeometry(kAddressRect);
    abcURLLabel1->setCursor(Qt::PointingHandCursor);
    abcURLLabel1->setToolTip(web::homePage());
    // The card is painted when first shown, at the ratio of its screen.
}

void Tabout::paintPictures() {
    const qreal dpr = devicePixelRatioF();
    if (dpr == paintedAt_) return;
    paintedAt_ = dpr;
    Image1->setPixmap(QPixmap::fromImage(aboutCard(dpr, printedAddress(), QStringLiteral(TALVERN_VERSION))));
    Image2->setPixmap(QPixmap::fromImage(aboutEmblem(dpr)));
}

void Tabout::showEvent(QShowEvent* e) {
    paintPictures();
    QDialog::showEvent(e);
}

void Tabout::showOver(QWidget* over) {
    if (over) {
        // (outer - inner) / 2 to the nearest integer, halves to even
        const QRect g = over->frameGeometry();
        move(g.left() + static_cast<int>(std::lrint((g.width() - width()) / 2.0)),
             g.top() + static_cast<int>(std::lrint((g.height() - height()) / 2.0)));
    }
    exec();
}

void Tabout::mousePressEvent(QMouseEvent* e) {
    // FormClick and Image1Click: any button closes the card.
    e->accept();
    accept();
}

} // namespace talvern::about
