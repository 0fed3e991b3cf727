#pragma once
// The cabinet's controls as widgets. Each paints with the machine's own art
// at the scale it is shown (the window may be scaled to fill a screen) and
// reports clicks; none of them knows a game rule.
#include <QAbstractButton>
#include <QImage>
#include <QList>
#include <QWidget>

#include <functional>

#include "cabinetart.h"

namespace talvern {

// Device pixels per logical pixel of the cabinet: the screen's pixel ratio
// times the scale of a full-screen cabinet.
qreal cabinetScale();
void setCabinetScale(qreal scale);

// A picture button of the cabinet (art::renderButton), with the hand cursor.
class PictureButton : public QAbstractButton {
public:
    PictureButton(const QString& controlName, QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;
    void enterEvent(QEnterEvent*) override { update(); }
    void leaveEvent(QEvent*) override { update(); }

private:
    QString name_;
};

// A card place: shows a card picture by its image name. Faces of an
// external deck (series digit 0, and the wild deuces of series 4) come from
// the picture source, when one is set and has the picture; everything else
// is the machine's own picture.
class CardView : public QWidget {
public:
    using QWidget::QWidget;
    using ExternalPictures = std::function<QImage(const QString& name)>;
    static void setExternalPictures(ExternalPictures source);
    void setPicture(const QString& name);
    std::function<void()> clicked;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;

private:
    QString picture_;
};

// A number display of the cabinet.
class NumberView : public QWidget {
public:
    using QWidget::QWidget;
    void setText(const QString& text);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString text_;
};

// One caption or value of the pay table.
class PayLineView : public QWidget {
public:
    PayLineView(Qt::Alignment alignment, QWidget* parent) : QWidget(parent), alignment_(alignment) {}
    void set(const QString& text, bool marked);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString text_;
    bool marked_ = false;
    Qt::Alignment alignment_;
};

// A message line or hold marker: bright lettering on the cabinet.
class TextLine : public QWidget {
public:
    enum class Look { Message, HoldMarker };
    TextLine(Look look, QWidget* parent) : QWidget(parent), look_(look) {}
    void setText(const QString& text);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString text_;
    Look look_;
};

// A still picture or a looped animation drawn from a list of frames; the
// frames are made by a factory at the scale shown.
class FramesView : public QWidget {
public:
    using Factory = std::function<QList<QImage>(qreal dpr)>;
    FramesView(Factory factory, QWidget* parent) : QWidget(parent), factory_(std::move(factory)) {}
    void setFrame(int frame);
    int frameCount();
    std::function<void()> clicked;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;

private:
    Factory factory_;
    QList<QImage> frames_;
    qreal framesScale_ = 0;
    int frame_ = 0;
};

// An invisible area that takes clicks.
class HotSpot : public QWidget {
public:
    HotSpot(QWidget* parent) : QWidget(parent) { setCursor(Qt::PointingHandCursor); }
    std::function<void()> clicked;

protected:
    void mousePressEvent(QMouseEvent*) override;
};

} // namespace talvern
