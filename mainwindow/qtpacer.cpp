#include "qtpacer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>

namespace talvern {

QtPacer::QtPacer(QObject* parent) : QObject(parent) {
    if (QCoreApplication::instance()) QCoreApplication::instance()->installEventFilter(this);
}

QtPacer::~QtPacer() {
    if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(this);
}

void QtPacer::wait(int ms, bool ignoreInput) {
    if (aborting_) throw Unwind{};
    if (render_) render_();
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(static_cast<int>(ms * timeScale_));
    loops_.push_back(&loop);
    if (ignoreInput) ++holding_;
    loop.exec();
    if (ignoreInput) --holding_;
    loops_.pop_back();
    if (aborting_) throw Unwind{};
}

void QtPacer::processEvents() {
    if (aborting_) throw Unwind{};
    if (render_) render_();
    QCoreApplication::processEvents();
    if (aborting_) throw Unwind{};
}

void QtPacer::abortWaits() {
    aborting_ = true;
    for (QEventLoop* loop : loops_) loop->quit();
}

bool QtPacer::eventFilter(QObject* watched, QEvent* event) {
    if (holding_ > 0) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
        case QEvent::ShortcutOverride:
            return true;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace talvern
