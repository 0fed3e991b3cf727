#include "totalswindow.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

#include "receiptart.h"

namespace talvern::store {

namespace {

QLabel* figureLabel(QWidget* parent, const char* name, QPoint at, int pixelSize, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    QFont f(QStringLiteral("Liberation Serif"));
    f.setFamilies({QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    f.setPixelSize(pixelSize);
    f.setBold(true);
    l->setFont(f);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, QColor(0x0b, 0x1f, 0x66));  // navy ink
    l->setPalette(pal);
    l->setAutoFillBackground(false);
    l->move(at);
    return l;
}

} // namespace

TForm4::TForm4(TotalsFigures& figures, QWidget* parent) : QDialog(parent), figures_(figures) {
    setObjectName(QStringLiteral("Form4"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(art::kTotalsWindowSize);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(QRect(QPoint(0, 0), art::kTotalsWindowSize));
    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(art::kReceiptRect);

    Label5 = figureLabel(this, "Label5", art::kRunNumberPlace, 21, QStringLiteral("1"));
    Label1 = figureLabel(this, "Label1", {art::kFigureLeft, art::kFigureTops[0]}, 25, QStringLiteral("0"));
    Label2 = figureLabel(this, "Label2", {art::kFigureLeft, art::kFigureTops[1]}, 25, QStringLiteral("0"));
    Label3 = figureLabel(this, "Label3", {art::kFigureLeft, art::kFigureTops[2]}, 25, QStringLiteral("0"));
    Label4 = figureLabel(this, "Label4", {art::kFigureLeft, art::kFigureTops[3]}, 25, QStringLiteral("0"));
    // The clipboard and the receipt are painted, and the figures measured in
    // their font, when first shown: the first text measured in a program
    // reads the whole font list of the system, which the cabinet need not
    // wait for.
    writeFigures();
}

void TForm4::paintPictures() {
    const qreal dpr = devicePixelRatioF();
    if (dpr == paintedAt_) return;
    paintedAt_ = dpr;
    Image1->setPixmap(QPixmap::fromImage(art::clipboardPicture(dpr)));
    Image2->setPixmap(QPixmap::fromImage(art::receiptPicture(dpr)));
}

std::array<QLabel*, 5> TForm4::writeFigures() {
    const std::array<std::pair<QLabel*, int>, 5> shown{{{Label5, figures_.runNumber},
                                                        {Label1, figures_.loaded},
                                                        {Label2, figures_.taken},
                                                        {Label3, figures_.won},
                                                        {Label4, figures_.lost}}};
    for (const auto& [label, value] : shown) label->setText(QString::number(value));
    return {Label5, Label1, Label2, Label3, Label4};
}

void TForm4::refresh() {
    for (QLabel* label : writeFigures()) label->adjustSize();
}

void TForm4::activated() {
    if (onActivate_) onActivate_();
    refresh();
}

bool TForm4::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) activated();
    return QDialog::event(e);
}

void TForm4::showEvent(QShowEvent* e) {
    if (const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
    paintPictures();
    activated();
    QDialog::showEvent(e);
}

void TForm4::keyPressEvent(QKeyEvent* e) {
    // Every key closes the receipt but Y, which is Н on a Russian layout.
    if (e->key() == Qt::Key_Y || e->key() == 0x041D) {
        e->accept();
        return;
    }
    e->accept();
    accept();
}

void TForm4::mousePressEvent(QMouseEvent* e) {
    e->accept();
    accept();
}

} // namespace talvern::store
