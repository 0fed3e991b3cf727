#pragma once
// The sound effects live as Qt resources in a static library; these helpers
// make sure the resources are registered and name them.
#include "engine/ports.h"

#include <QString>

namespace talvern::media {

// Registers ":/sounds/<NAME>.wav" for all effects. A static library's
// resource initialiser is dropped by the linker unless something calls it, so
// everything that opens the sounds goes through here. Safe to call often.
void initSoundResources();

// The resource name of a sound as the machine names it ("BET" for
// SoundId::Bet), or an empty string for None and ids out of range.
QString soundName(SoundId id);

// The resource path (":/sounds/BET.wav") and the URL a QSoundEffect wants
// ("qrc:/sounds/BET.wav"); empty for None and ids out of range.
QString soundResourcePath(SoundId id);
QString soundResourceUrl(SoundId id);

} // namespace talvern::media
