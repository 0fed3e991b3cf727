#include "media/sounds/soundplayer.h"

#include "media/sounds/soundresources.h"

#include <QSoundEffect>
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
