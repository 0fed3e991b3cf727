#pragma once
// The drawn figures' painter, shared by the files of the figures (the shared
// body parts and what they hold in figures.cpp, each family in its own file:
// king.cpp, queen.cpp, jack.cpp, joker.cpp). Not part of the public API.
#include "cardart_p.h"

#include <QBrush>
#include <QColor>
#include <QPainterPath>
#include <QPointF>

#include <initializer_list>

class QPainter;

namespace talvern::art::detail::figure {

constexpr qreal kLine = 1.0; // outline width in figure units

class Figure {
public:
    Figure(QPainter& p, const CourtPalette& c, Suit suit)
        : p_(p), c_(c), suit_(suit),
          variant_(suit == Suit::Hearts || suit == Suit::Clubs ? 0 : 1)
    {}

    void king();
    void queen();
    void jack();
    void jester(qreal height);
    void cornerPip();

private:
    void fill(const QPainterPath& path, const QBrush& brush, qreal width = kLine);
    void stroke(const QPainterPath& path, const QColor& colour, qreal width);
    QBrush sheen(const QColor& base, qreal x0, qreal x1) const;
    QBrush goldBrush(qreal y0, qreal y1) const;

    void robe(int pattern);
    void frontPanel(const QPainterPath& panel, int pattern);
    void neck();
    void face(bool lashes, bool smile = false);
    void fist(QPointF centre, bool cuff = true);
    void forearm(QPointF hand);
    void headSpace();

    void sword(qreal x, qreal guardY, qreal tipY);
    void sceptre(qreal x);
    void halberd(qreal x);
    void torch(qreal x);
    void rose(QPointF bloom, QPointF hand);
    void tulip(QPointF bloom, QPointF hand);

    QPainter& p_;
    const CourtPalette& c_;
    Suit suit_;
    int variant_; // which of two attributes and patterns this suit's courts get
};

// A closed polygon through `pts`; an ellipse about `c`.
QPainterPath poly(std::initializer_list<QPointF> pts);
QPainterPath ellipse(QPointF c, qreal rx, qreal ry);

} // namespace talvern::art::detail::figure
