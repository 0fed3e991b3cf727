#include "media/sounds/soundplayer.h"

#include "media/sounds/soundresources.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace talvern::media {

namespace {

int indexOf(SoundId id)
{
    const int i = static_cast<int>(id);
    return i >= 1 && i <= kSoundCount ? i - 1 : -1;
}

} // namespace

QtSoundPlayer::QtSoundPlayer()
{
    initSoundResources();
    for (int i = 0; i < kSoundCount; ++i) {
        auto effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl(soundResourceUrl(static_cast<SoundId>(i + 1))));
        effects_[static_cast<size_t>(i)] = std::move(effect);
    }
}

QtSoundPlayer::~QtSoundPlayer()
{
    for (auto& effect : effects_) effect->stop();
    finishLoading();
}

bool QtSoundPlayer::loading() const
{
    for (const auto& effect : effects_)
        if (effect->status() == QSoundEffect::Loading) return true;
    return false;
}

void QtSoundPlayer::finishLoading(int timeoutMs)
{
    // The effects learn that their sample is ready through queued signals,
    // so only a running event loop can see the loading end.
    if (!loading() || QCoreApplication::instance() == nullptr) return;
    QEventLoop loop;
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    for (const auto& effect : effects_)
        QObject::connect(effect.get(), &QSoundEffect::statusChanged, &loop, [this, &loop] {
            if (!loading()) loop.quit();
        });
    if (loading()) loop.exec();
}

void QtSoundPlayer::start(SoundId id, bool loop)
{
    const int i = indexOf(id);
    if (i < 0) return;
    if (const int playing = indexOf(current_); playing >= 0) effects_[static_cast<size_t>(playing)]->stop();
    QSoundEffect& effect = *effects_[static_cast<size_t>(i)];
    // The same sound again (a card for every card turned) starts from the top.
    effect.stop();
    effect.setLoopCount(loop ? QSoundEffect::Infinite : 1);
    effect.play();
    current_ = id;
}

const QSoundEffect* QtSoundPlayer::effect(SoundId id) const
{
    const int i = indexOf(id);
    return i < 0 ? nullptr : effects_[static_cast<size_t>(i)].get();
}

} // namespace talvern::media
