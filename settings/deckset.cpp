#include "deckset.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QLibrary>

#include <algorithm>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace talvern::decks {

namespace {

constexpr std::size_t kMaxNameBytes = 255;

bool ownedByUsOrRoot(const struct stat& st) { return st.st_uid == geteuid() || st.st_uid == 0; }

// Loads a library file that trustedDeckPath() vetted. QLibrary would try other
// names beside the one given if that one fails; a library it found under any
// other name is let go again.
std::unique_ptr<QLibrary> loadVetted(const QString& path) {
    auto lib = std::make_unique<QLibrary>(path);
    // Every symbol bound now: a deck that needs something missing fails to
    // load instead of failing in the middle of a game.
    lib->setLoadHints(QLibrary::ResolveAllSymbolsHint);
    if (!lib->load()) return nullptr;
    if (lib->fileName() != path) {
        lib->unload();
        return nullptr;
    }
    return lib;
}

QString nameOf(QLibrary& lib) {
    const auto namecard = reinterpret_cast<talvern_namecard_fn>(lib.resolve(TALVERN_DECK_NAME_SYMBOL));
    if (!namecard) return {};
    const char* text = namecard();
    if (!text) return {};
    // Copied at once: the text lives in the library, which is let go soon.
    return QString::fromUtf8(text, static_cast<qsizetype>(strnlen(text, kMaxNameBytes)));
}

} // namespace

QString deckFileName(int number) { return QStringLiteral("deckset%1.so").arg(number); }

std::optional<int> numberInName(const QString& name) {
    if (name.size() < kNumberPosition + 2) return std::nullopt;
    const QChar tens = name[kNumberPosition];
    const QChar ones = name[kNumberPosition + 1];
    if (tens < u'0' || tens > u'9' || ones < u'0' || ones > u'9') return std::nullopt;
    return (tens.unicode() - u'0') * 10 + (ones.unicode() - u'0');
}

std::optional<QString> trustedDeckPath(const QString& folder, int number) {
    if (number < kFirstDeckNumber || number > kLastDeckNumber || folder.isEmpty()) return std::nullopt;
    const QString dir = QDir(folder).canonicalPath();
    if (dir.isEmpty()) return std::nullopt;
    struct stat st {};
    if (::stat(QFile::encodeName(dir).constData(), &st) != 0 || !S_ISDIR(st.st_mode)) return std::nullopt;
    // Someone else could put a file into a folder they may write to.
    if ((st.st_mode & S_IWOTH) || !ownedByUsOrRoot(st)) return std::nullopt;

    const QString path = dir + u'/' + deckFileName(number);
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0) return std::nullopt;
    if (!S_ISREG(st.st_mode)) return std::nullopt;  // links and everything but plain files
    if ((st.st_mode & S_IWOTH) || !ownedByUsOrRoot(st)) return std::nullopt;
    return path;
}

DeckSet::DeckSet(QString dataFolder) : folder_(std::move(dataFolder)) {}

DeckSet::~DeckSet() { unload(); }

QList<FoundDeck> DeckSet::enumerate() const {
    QList<FoundDeck> found;
    for (int n = kFirstDeckNumber; n <= kLastDeckNumber; ++n) {
        QString name;
        if (lib_ && n == number_) {
            // The deck in use is asked through its own handle: loading and
            // letting go of the same file again would unmap it under the
            // cards on the table (QLibrary shares one handle per file).
            name = nameOf(*lib_);
        } else {
            const auto path = trustedDeckPath(folder_, n);
            if (!path) continue;
            const std::unique_ptr<QLibrary> lib = loadVetted(*path);
            if (!lib) continue;
            name = nameOf(*lib);
            lib->unload();
        }
        if (numberInName(name) != n) continue;
        const bool repeat = std::any_of(found.cbegin(), found.cend(), [&](const FoundDeck& d) { return d.name == name; });
        if (!repeat) found.push_back({n, name});
    }
    return found;
}

QStringList DeckSet::names() const {
    QStringList list;
    for (const FoundDeck& d : enumerate()) list << d.name;
    return list;
}

bool DeckSet::select(int number) {
    unload();
    pictures_.clear();
    const auto path = trustedDeckPath(folder_, number);
    if (!path) return false;
    std::unique_ptr<QLibrary> lib = loadVetted(*path);
    if (!lib) return false;
    const auto picture = reinterpret_cast<talvern_cardpicture_fn>(lib->resolve(TALVERN_DECK_PICTURE_SYMBOL));
    if (!picture) {
        lib->unload();
        return false;
    }
    lib_ = std::move(lib);
    picture_ = picture;
    number_ = number;
    return true;
}

void DeckSet::unload() {
    if (lib_) lib_->unload();
    lib_.reset();
    picture_ = nullptr;
    number_ = -1;
}

QImage DeckSet::picture(const QString& name) {
    const auto kept = pictures_.constFind(name);
    if (kept != pictures_.constEnd()) return *kept;
    if (!picture_) return {};
    QImage image;
    // Card image names are a few ASCII letters and digits.
    const bool plain = name.size() >= 1 && name.size() <= 3 &&
                       std::all_of(name.cbegin(), name.cend(), [](QChar c) { return c.isLetterOrNumber() && c.unicode() < 128; });
    if (plain) {
        unsigned long size = 0;
        const unsigned char* bytes = picture_(name.toLatin1().constData(), &size);
        if (bytes && size > 0 && size <= kMaxPictureBytes) {
            QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size));
            QBuffer buffer(&data);
            QImageReader reader(&buffer, "png");
            const QSize s = reader.size();
            if (s.isValid() && s.width() <= kMaxPictureSide && s.height() <= kMaxPictureSide) {
                // The decoded pixels are ours: the picture outlives the library.
                image = reader.read();
            }
        }
    }
    pictures_.insert(name, image);
    return image;
}

} // namespace talvern::decks
