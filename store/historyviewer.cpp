#include "historyviewer.h"

#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

#include <utility>

#ifdef TALVERN_HAVE_XCB
#include <QtGui/qguiapplication_platform.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include <xcb/xcb.h>
#endif

namespace talvern::store {

namespace {
// Qt never leaves a window nameless: an empty title becomes the program's
// name on the way to the window system, and the viewer's title bar would
// read "Talvern". On X11 the name is emptied again where the server keeps it.
void clearNameShownByTheDesktop([[maybe_unused]] QWidget* window) {
#ifdef TALVERN_HAVE_XCB
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c) return;
    auto atom = [c](const char* name) {
        const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(c, cookie, nullptr);
        const xcb_atom_t a = reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
        std::free(reply);
        return a;
    };
    const xcb_atom_t utf8 = atom("UTF8_STRING");
    const xcb_atom_t netName = atom("_NET_WM_NAME");
    const auto id = static_cast<xcb_window_t>(window->winId());
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_NAME, utf8 ? utf8 : static_cast<xcb_atom_t>(XCB_ATOM_STRING), 8, 0, nullptr);
    if (netName && utf8) xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, netName, utf8, 8, 0, nullptr);
    xcb_flush(c);
#endif
}
} // namespace

TForm6::TForm6(QWidget* parent, Controls controls) : QDialog(parent) {
    setObjectName(QStringLiteral("Form6"));
    // A title bar without buttons or title text.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(QString());
    setFixedSize(387, 330);
    if (controls == Controls::Now) buildControls();
}

void TForm6::buildControls() {
    if (Memo1) return;
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(8, 8, 369, 273);
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    mono.setPixelSize(12);
    Memo1->setFont(mono);
    Memo1->setPlainText(std::exchange(text_, QString()));

    Button1 = new QPushButton(QStringLiteral("Ok"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry((387 - 75) / 2, 292, 75, 25);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    // Always made before the dialog shows (setVisible), so they show with it.
}

void TForm6::setVisible(bool visible) {
    if (visible) buildControls();
    QDialog::setVisible(visible);
}

void TForm6::setLogText(const QString& text) {
    if (Memo1) Memo1->setPlainText(text);
    else text_ = text;
}

void TForm6::showEvent(QShowEvent* e) {
    if (const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
    // The latest run is at the end of a long log.
    Memo1->verticalScrollBar()->setValue(Memo1->verticalScrollBar()->maximum());
    QDialog::showEvent(e);
    clearNameShownByTheDesktop(this);
}

} // namespace talvern::store
