#pragma once
// External card decks: the "deckset<N>.so" libraries of the data folder (see
// deckabi.h for what a deck exports). The machine runs code from these files,
// so only files that lie in the folder itself are ever loaded, and whatever a
// deck gets wrong (no name, no number, a missing or broken picture) costs the
// player that deck or that picture, never the game.
#include <QHash>
#include <QImage>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

#include "deckabi.h"

class QLibrary;

namespace talvern::decks {

inline constexpr int kFirstDeckNumber = 0;
inline constexpr int kLastDeckNumber = 15;
// Characters 39 and 40 of a deck's name (1-based) carry its number.
inline constexpr int kNumberPosition = 38;

// "deckset<N>.so"
QString deckFileName(int number);

// The deck number written in characters 39 and 40 of a deck's name, or none
// when the name is too short or they are not two decimal digits.
std::optional<int> numberInName(const QString& name);

// Whether the file may be loaded: a regular file (not a link) directly in
// `folder`, not writable by other users, in a folder that other users cannot
// write to either. Gives its absolute path.
std::optional<QString> trustedDeckPath(const QString& folder, int number);

// A deck found by the enumeration.
struct FoundDeck {
    int number = 0;
    QString name;
};

class DeckSet {
public:
    explicit DeckSet(QString dataFolder);
    ~DeckSet();
    DeckSet(const DeckSet&) = delete;
    DeckSet& operator=(const DeckSet&) = delete;

    const QString& folder() const { return folder_; }

    // Every deck of the folder that loads, has a name carrying its own number
    // and is not a repeat of a name already found, in number order. Each is
    // loaded through a handle of its own and let go again; the deck in use
    // stays loaded.
    QList<FoundDeck> enumerate() const;
    QStringList names() const;

    // Lets go of the deck in use, then loads deck `number` and keeps it.
    // False (and no deck in use) when it does not load or lacks `cardpicture`.
    bool select(int number);
    void unload();
    bool loaded() const { return lib_ != nullptr; }
    int number() const { return number_; }

    // The deck's picture for a card image name, decoded; a null image when no
    // deck is in use or the deck has no usable picture of that name. The
    // last deck's pictures are kept until another deck is selected, so cards
    // already on the table keep their look.
    QImage picture(const QString& name);

private:
    QString folder_;
    std::unique_ptr<QLibrary> lib_;
    talvern_cardpicture_fn picture_ = nullptr;
    int number_ = -1;
    QHash<QString, QImage> pictures_;
};

// Largest encoded picture a deck may hand over, and the largest side of a
// decoded one: a card is 117 x 157, so this leaves room for 8x sharpness.
inline constexpr unsigned long kMaxPictureBytes = 8u * 1024u * 1024u;
inline constexpr int kMaxPictureSide = 1300;

} // namespace talvern::decks
