#include "media/sounds/soundresources.h"

#include <QtCore/qglobal.h>

#include <array>

// Q_INIT_RESOURCE declares the initialiser it calls, so it must be used
// outside any namespace.
static void registerTalvernSounds()
{
    Q_INIT_RESOURCE(talvern_sounds);
}

namespace talvern::media {

namespace {

// In the order of SoundId, starting at Click (1).
constexpr std::array<const char*, kSoundCount> kNames = {
    "CLICK", "CARD",  "RASD",  "SELECT", "BET",    "YES",  "NO",     "HOME", "PAY",
    "ZVON",  "ZVJAK", "BONUS", "BONUS1", "HALT",   "SERDZE", "GUN", "GUNNO", "GUNYES",
};

} // namespace

void initSoundResources()
{
    static const bool registered = (registerTalvernSounds(), true);
    (void)registered;
}

QString soundName(SoundId id)
{
    const int i = static_cast<int>(id);
    if (i < 1 || i > kSoundCount) return {};
    return QString::fromLatin1(kNames[static_cast<size_t>(i - 1)]);
}

QString soundResourcePath(SoundId id)
{
    const QString name = soundName(id);
    return name.isEmpty() ? QString() : QStringLiteral(":/sounds/") + name + QStringLiteral(".wav");
}

QString soundResourceUrl(SoundId id)
{
    const QString path = soundResourcePath(id);
    return path.isEmpty() ? QString() : QStringLiteral("qrc") + path;
}

} // namespace talvern::media
