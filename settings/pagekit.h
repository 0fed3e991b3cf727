#pragma once
// The small makers the settings dialog's pages share: labels, radio buttons,
// check boxes and panels at a place on their page, and setters that leave a
// control alone (and its signals quiet) when it already shows the value.
#include <QAbstractButton>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QRadioButton>
#include <QRect>
#include <QSignalBlocker>
#include <QString>

namespace talvern::settings::pagekit {

inline QLabel* label(const QString& text, QWidget* parent, const QRect& at, const char* style = nullptr,
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* l = new QLabel(text, parent);
    if (style) l->setObjectName(QString::fromLatin1(style));
    l->setGeometry(at);
    l->setAlignment(align);
    return l;
}

inline QRadioButton* radio(const char* name, const QString& text, QWidget* parent, const QRect& at) {
    auto* r = new QRadioButton(text, parent);
    r->setObjectName(QString::fromLatin1(name));
    // The flow decides which one is checked, also "none of them".
    r->setAutoExclusive(false);
    r->setGeometry(at);
    return r;
}

inline QCheckBox* check(const char* name, const QString& text, QWidget* parent, const QRect& at) {
    auto* c = new QCheckBox(text, parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setGeometry(at);
    return c;
}

inline QFrame* panel(QWidget* parent, const QRect& at) {
    auto* f = new QFrame(parent);
    f->setObjectName(QStringLiteral("Panel"));
    f->setGeometry(at);
    return f;
}

inline void setChecked(QAbstractButton* b, bool on) {
    if (b->isChecked() == on) return;
    const QSignalBlocker block(b);
    b->setChecked(on);
}

inline void setText(QLabel* l, const QString& text) {
    if (l->text() != text) l->setText(text);
}

} // namespace talvern::settings::pagekit
