#pragma once
// Every test run gets a home of its own: config and data folders in a
// temporary directory, QStandardPaths in its test mode, so no test reads or
// writes the player's store or decks.
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "settingsstore.h"

namespace talvern::settings::test {

struct TestHome {
    QTemporaryDir dir;
    TestHome() {
        qputenv("HOME", dir.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (dir.path() + "/config").toLocal8Bit());
        qputenv("XDG_DATA_HOME", (dir.path() + "/data").toLocal8Bit());
        QStandardPaths::setTestModeEnabled(true);
    }
};

inline TestHome& testHome() {
    static TestHome home;
    return home;
}

// The store's files as the program would find them, emptied for a test.
inline store::StorePaths freshPaths() {
    store::StorePaths p = store::StorePaths::standard();
    QFile::remove(p.settingsFile);
    QDir(p.dataFolder).removeRecursively();
    QDir().mkpath(p.dataFolder);
    QFile::setPermissions(p.dataFolder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return p;
}

// Copies a deck library into the data folder as "deckset<N>.so".
inline bool installDeck(const QString& library, const QString& dataFolder, int number,
                        QFileDevice::Permissions permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                               QFileDevice::ReadGroup | QFileDevice::ReadOther) {
    const QString target = dataFolder + QStringLiteral("/deckset%1.so").arg(number);
    QFile::remove(target);
    return QFile::copy(library, target) && QFile::setPermissions(target, permissions);
}

} // namespace talvern::settings::test
