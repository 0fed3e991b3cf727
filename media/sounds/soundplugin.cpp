// talvern-sound.so: the machine's sound effects through Qt Multimedia.
#include <QObject>

#include "media/sounds/effects.h"
#include "media/sounds/soundplayer.h"

namespace talvern::media {

class SoundPlugin : public QObject, public EffectsPlayerFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TALVERN_EFFECTS_IID)
    Q_INTERFACES(talvern::media::EffectsPlayerFactory)

public:
    EffectsPlayer* create() override { return new QtSoundPlayer; }
};

} // namespace talvern::media

#include "soundplugin.moc"
