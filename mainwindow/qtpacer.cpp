#include "qtpacer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace talvern {

QtPacer::QtPacer(QObject* parent) : QObject(parent) {
    if (QCoreApplication::instance()) QCoreApplication::instance()->installEventFilter(this);
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        if (const QScreen* screen = app->primaryScreen(); screen && screen->refreshRate() >= 24)
            frameMs_ = std::clamp(qRound(1000.0 / screen->refreshRate()), 4, 40);
    frame_.setSingleShot(true);
    QObject::connect(&frame_, &QTimer::timeout, this, [this] { renderNow(); });
}

void QtPacer::setRender(std::function<void()> render) {
    render_ = std::move(render);
    frame_.stop();
}

void QtPacer::renderNow() {
    frame_.stop();
    sinceRender_.start();
    if (!render_) return;
    ++renders_;
    render_();
}

QtPacer::~QtPacer() {
    if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(this);
}

void QtPacer::wait(int ms, bool ignoreInput) {
    if (aborting_) throw Unwind{};
    renderNow();
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
    const qint64 since = sinceRender_.isValid() ? sinceRender_.elapsed() : frameMs_;
    if (since >= frameMs_) renderNow();
    else if (!frame_.isActive()) frame_.start(int(frameMs_ - since));
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
