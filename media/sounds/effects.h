#pragma once
// The sound effects come from a plugin, talvern-sound.so, that the machine
// loads once its first picture is drawn: the program itself does not link
// Qt Multimedia, nor the sound server's library that comes with it, so a
// start loads neither. This is all the two sides share.
#include <QtPlugin>

#include "engine/ports.h"

namespace talvern::media {

class EffectsPlayer : public SoundPort {
public:
    // Waits, serving events, until every sound has been read (or failed),
    // at most `timeoutMs`.
    virtual void finishLoading(int timeoutMs) = 0;
    virtual bool loading() const = 0;
};

class EffectsPlayerFactory {
public:
    virtual ~EffectsPlayerFactory() = default;
    // A player whose effects are being read; the caller owns it and deletes
    // it before the application object goes.
    virtual EffectsPlayer* create() = 0;
};

} // namespace talvern::media

#define TALVERN_EFFECTS_IID "example.ostrel.Talvern.EffectsPlayerFactory/1"
Q_DECLARE_INTERFACE(talvern::media::EffectsPlayerFactory, TALVERN_EFFECTS_IID)
