#include "media/sounds/soundeffects.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPluginLoader>

#include "media/sounds/effects.h"

namespace talvern::media {

SoundEffects::SoundEffects(QStringList pluginFiles) : files_(std::move(pluginFiles)) {}

SoundEffects::~SoundEffects() = default;

void SoundEffects::load() {
    if (tried_) return;
    tried_ = true;
    QStringList files = files_;
    if (files.isEmpty()) {
        const QString name = QStringLiteral("/talvern-sound.so");
        files = {QCoreApplication::applicationDirPath() + QStringLiteral("/" TALVERN_INSTALLED_PLUGIN_DIR) + name,
                 QStringLiteral(TALVERN_BUILD_PLUGIN_DIR) + name};
    }
    for (const QString& file : files) {
        if (!QFileInfo::exists(file)) continue;
        QPluginLoader loader(file);  // the library stays loaded when the loader goes
        if (auto* factory = qobject_cast<EffectsPlayerFactory*>(loader.instance())) {
            player_.reset(factory->create());
            return;
        }
        qWarning("sound effects: %s", qPrintable(loader.errorString()));
    }
    qWarning("sound effects: no player found; the machine plays without them");
}

void SoundEffects::start(SoundId id, bool loop) {
    load();
    if (player_) player_->start(id, loop);
}

void SoundEffects::finishLoading(int timeoutMs) {
    if (player_) player_->finishLoading(timeoutMs);
}

} // namespace talvern::media
