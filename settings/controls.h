#pragma once
// The settings dialog's own kinds of control: the cabinet's caption buttons,
// pictures that take a click, the felt behind each page, the clock and the
// big gold title. They draw at the screen's pixel ratio and know no rule.
#include <QAbstractButton>
#include <QImage>
#include <QSlider>
#include <QWidget>

#include <functional>

#include "cabinetart.h"

class QTimer;

namespace talvern::settings {

// A button with the cabinet's brass face and its caption.
class CaptionButton : public QAbstractButton {
public:
    CaptionButton(const QString& name, const QString& caption, QWidget* parent,
                  talvern::art::ButtonTone tone = talvern::art::ButtonTone::Brass);
    // A small picture left of the caption.
    void setIconPicture(std::function<QImage(qreal dpr)> icon);

protected:
    void paintEvent(QPaintEvent*) override;
    void enterEvent(QEnterEvent*) override { update(); }
    void leaveEvent(QEvent*) override { update(); }

private:
    talvern::art::ButtonTone tone_;
    std::function<QImage(qreal)> icon_;
};

// A picture made at the widget's pixel ratio; a click calls `clicked`.
class Picture : public QWidget {
public:
    using Factory = std::function<QImage(qreal dpr)>;
    Picture(const QString& name, Factory factory, QWidget* parent);
    std::function<void()> clicked;
    void setHighlighted(bool on);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;

private:
    Factory factory_;
    QImage image_;
    qreal madeAt_ = 0;
    bool highlighted_ = false;
};

// A vertical slider with its scale drawn on both sides: a tick every
// tickInterval(), longer ones at the ends and the middle.
class ScaleSlider : public QSlider {
public:
    ScaleSlider(const QString& name, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* e) override;
};

// The felt of a page.
class FeltPage : public QWidget {
public:
    explicit FeltPage(const QString& name, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QImage felt_;
};

// A clock face showing the time of day.
class ClockFace : public QWidget {
public:
    explicit ClockFace(QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;
    void showEvent(QShowEvent*) override;
    void hideEvent(QHideEvent*) override;

private:
    QTimer* tick_;
};

// Gold lettering cut into the felt, as the cabinet's titles are.
class GoldTitle : public QWidget {
public:
    GoldTitle(const QString& name, QWidget* parent);
    void setText(const QString& text);
    QString text() const { return text_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString text_;
};

// A text that opens an address: gold, underlined under the mouse.
class LinkLabel : public QWidget {
public:
    LinkLabel(const QString& name, const QString& text, QWidget* parent);
    std::function<void()> clicked;
    QString text() const { return text_; }

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void enterEvent(QEnterEvent*) override { update(); }
    void leaveEvent(QEvent*) override { update(); }

private:
    QString text_;
};

} // namespace talvern::settings
