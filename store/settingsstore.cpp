#include "settingsstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <limits>
#include <vector>

#include "filebytes.h"

namespace talvern::store {

namespace {

constexpr QByteArrayView kSectionNames[] = {"vol", "stat"};

QByteArrayView trimmed(QByteArrayView t) {
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!t.isEmpty() && blank(t.front())) t = t.sliced(1);
    while (!t.isEmpty() && blank(t.back())) t.chop(1);
    return t;
}

// The names the machine gives its values; a key of any other shape is not
// one of them, and its line is kept as it is.
bool plainKey(QByteArrayView key) {
    if (key.isEmpty() || key.size() > 64) return false;
    for (const char c : key)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-' ||
              c == '.'))
            return false;
    return true;
}

// The value text as QSettings would see it: a quoted value without its
// quotes, otherwise up to a comment.
QByteArray valueText(QByteArrayView v) {
    v = trimmed(v);
    if (v.startsWith('"')) {
        v = v.sliced(1);
        const qsizetype close = v.indexOf('"');
        return (close < 0 ? v : v.first(close)).toByteArray();
    }
    const qsizetype comment = v.indexOf(';');
    if (comment >= 0) v = trimmed(v.first(comment));
    return v.toByteArray();
}

// What a scan of the file finds of the two groups.
struct Scan {
    struct KeyLine {
        Section section;
        QByteArray key;
        QByteArray value;  // empty when the line is too long to hold a number
        files::Line line;
    };
    std::vector<KeyLine> keys;
    // Where a new value of a group goes: after the last line that is not
    // blank of the group's last section. -1 when the file has none.
    std::array<qint64, 2> insertAt{-1, -1};
    std::array<bool, 2> insertNeedsLineEnd{false, false};
    qint64 size = 0;
    bool endsWithLineEnd = true;
};

bool scanFile(QFile& f, Scan& scan) {
    std::optional<Section> current;
    bool first = true;
    const bool ok = files::scanLines(f, [&](const files::Line& line) {
        QByteArrayView head(line.head);
        if (first && head.startsWith("\xEF\xBB\xBF")) head = head.sliced(3);
        first = false;
        const QByteArrayView t = trimmed(head);
        scan.size = line.end();
        scan.endsWithLineEnd = line.endLength > 0;
        if (t.startsWith('[')) {
            QByteArrayView name = t.sliced(1);
            const qsizetype close = name.indexOf(']');
            if (close >= 0) name = name.first(close);
            name = trimmed(name);
            current.reset();
            for (std::size_t i = 0; i < std::size(kSectionNames); ++i)
                if (name == kSectionNames[i]) current = static_cast<Section>(i);
        } else if (current && !t.startsWith(';')) {
            const qsizetype eq = t.indexOf('=');
            const QByteArrayView key = eq > 0 ? trimmed(t.first(eq)) : QByteArrayView();
            if (plainKey(key))
                scan.keys.push_back({*current, key.toByteArray(),
                                     line.whole() ? valueText(t.sliced(eq + 1)) : QByteArray(), line});
        }
        if (current && !t.isEmpty()) {
            const auto i = static_cast<std::size_t>(*current);
            scan.insertAt[i] = line.end();
            scan.insertNeedsLineEnd[i] = line.endLength == 0;
        }
    });
    return ok;
}

// Opens the file for a scan. False when it is there and cannot be read;
// a file that is not there reads as empty.
bool openForScan(QFile& f) {
    if (!f.exists()) return true;
    return f.open(QIODevice::ReadOnly);
}

} // namespace

int& combinationCounter(Statistics& s, std::size_t i) {
    switch (i) {
    case 0: return s.stp;
    case 1: return s.str;
    case 2: return s.stq;
    case 3: return s.stk;
    case 4: return s.sth;
    case 5: return s.stf;
    case 6: return s.sts;
    case 7: return s.stt;
    case 8: return s.std_;
    default: return s.stdeal;
    }
}

int combinationCounter(const Statistics& s, std::size_t i) {
    return combinationCounter(const_cast<Statistics&>(s), i);
}

std::optional<int> parseDecimal(const QString& text) {
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
    if (i == text.size()) return std::nullopt;
    long long v = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9') return std::nullopt;
        v = v * 10 + (c - u'0');
        if (v > static_cast<long long>(std::numeric_limits<int>::max()) + 1) return std::nullopt;
    }
    if (negative) v = -v;
    if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max()) return std::nullopt;
    return static_cast<int>(v);
}

StorePaths StorePaths::standard() {
    QCoreApplication::setOrganizationName(kOrganisation);
    QCoreApplication::setApplicationName(kApplication);
    StorePaths p;
    // The desktop's own settings folder and the ".conf" name a native Unix
    // store would have; the file is read and written as INI all the same.
    p.settingsFile = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' + kOrganisation +
                     u'/' + kApplication + QStringLiteral(".conf");
    p.dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    return p;
}

SettingsStore::SettingsStore(const QString& file) : file_(file) {
    QFile f(file_);
    Scan scan;
    if (!openForScan(f) || (f.isOpen() && !scanFile(f, scan))) {
        unreadable_ = true;
        return;
    }
    // Of a key given twice the later line counts, as QSettings reads it.
    for (const Scan::KeyLine& k : scan.keys) stored_[{k.section, k.key}] = k.value;
}

SettingsStore::~SettingsStore() { close(); }

int SettingsStore::read(Section section, const QString& name, int fallback) const {
    const Key key{section, name.toLatin1()};
    if (const auto w = written_.find(key); w != written_.end()) return w->second;
    const auto s = stored_.find(key);
    if (s == stored_.end()) return fallback;
    return parseDecimal(QString::fromLatin1(s->second)).value_or(fallback);
}

void SettingsStore::write(Section section, const QString& name, int value) {
    written_[{section, name.toLatin1()}] = value;
}

bool SettingsStore::close() {
    if (written_.empty()) return ok_;
    std::map<Key, int> written;
    written.swap(written_);
    for (const auto& [key, value] : written) stored_[key] = QByteArray::number(value);
    // A file that could not be read is never written over: what it holds
    // would be lost.
    if (unreadable_) return ok_ = false;

    // The file as it is now: another run may have written it since this
    // step began, and only this step's values are ours to change.
    QFile old(file_);
    Scan scan;
    if (!openForScan(old) || (old.isOpen() && !scanFile(old, scan))) return ok_ = false;

    // The edits, by where they go: a value's last line takes its new text,
    // its earlier lines go; values the file lacks are added to their group.
    struct Edit {
        qint64 from, to;
        QByteArray text;
    };
    std::vector<Edit> edits;
    std::array<QByteArray, 2> added;
    bool changes = false;
    auto line = [](const QByteArray& key, int value, int endLength = 1) {
        return key + '=' + QByteArray::number(value) + (endLength == 2 ? "\r\n" : "\n");
    };
    for (const auto& [key, value] : written) {
        const Scan::KeyLine* last = nullptr;
        for (const Scan::KeyLine& k : scan.keys) {
            if (k.section != key.first || k.key != key.second) continue;
            if (last) {
                edits.push_back({last->line.offset, last->line.end(), {}});
                changes = true;
            }
            last = &k;
        }
        if (last) {
            const QByteArray text = line(key.second, value, last->line.endLength);
            const bool same = last->line.whole() && last->line.head + QByteArray("\r\n").right(last->line.endLength) == text;
            changes = changes || !same;
            edits.push_back({last->line.offset, last->line.end(), text});
        } else {
            added[static_cast<std::size_t>(key.first)] += line(key.second, value);
            changes = true;
        }
    }
    // The start of every run clears values that are mostly 0 already: a file
    // that would come out the same is left alone.
    if (!changes) return ok_;
    QByteArray atEnd;
    for (std::size_t i = 0; i < added.size(); ++i) {
        if (added[i].isEmpty()) continue;
        if (const qint64 at = scan.insertAt[i]; at >= 0) {
            // The line before has no line end only if it is the unended last
            // line of the file and stays as it is.
            const bool lineEnd = scan.insertNeedsLineEnd[i] &&
                                 std::none_of(edits.begin(), edits.end(), [&](const Edit& e) { return e.to == at; });
            edits.push_back({at, at, (lineEnd ? QByteArray("\n") : QByteArray()) + added[i]});
            continue;
        }
        if (scan.size > 0 || !atEnd.isEmpty()) {
            if (atEnd.isEmpty() && !scan.endsWithLineEnd) atEnd += '\n';
            atEnd += '\n';
        }
        atEnd += '[' + kSectionNames[i].toByteArray() + "]\n" + added[i];
    }
    if (!atEnd.isEmpty()) edits.push_back({scan.size, scan.size, atEnd});
    std::stable_sort(edits.begin(), edits.end(), [](const Edit& a, const Edit& b) { return a.from < b.from; });

    if (!QDir().mkpath(QFileInfo(file_).absolutePath())) return ok_ = false;
    files::Replacement out(file_);
    if (!out.open()) return ok_ = false;
    qint64 at = 0;
    for (const Edit& e : edits) {
        if (e.from > at) out.copy(old, at, e.from - at);
        out.append(e.text);
        at = std::max(at, e.to);
    }
    if (scan.size > at) out.copy(old, at, scan.size - at);
    if (!out.commit()) ok_ = false;
    return ok_;
}

DialogChoices readDialogChoices(const SettingsStore& store) {
    DialogChoices c;
    switch (store.read(vol::riskGame)) {
    case 0:
    case 1: c.riskGame = RiskChoice::RedBlack; break;
    case 2: c.riskGame = RiskChoice::HigherLower; break;
    case 3: c.riskGame = RiskChoice::RussianRoulette; break;
    case 4: c.riskGame = RiskChoice::Random; break;
    default: c.riskGame = std::nullopt; break;
    }
    // Any stored deck selects the built-in one: an external deck is never
    // carried over to the next run.
    c.builtInDeck = true;
    const int back = store.read(vol::back);
    c.back = back >= 2 && back <= 5 ? back : 1;
    c.offerAnotherGame = store.read(vol::exitOffer) == 1;
    return c;
}

void writeDialogChoices(SettingsStore& store, const DialogChoices& c) {
    if (c.riskGame) {
        switch (*c.riskGame) {
        case RiskChoice::RedBlack: store.write(vol::riskGame, 1); break;
        case RiskChoice::HigherLower: store.write(vol::riskGame, 2); break;
        case RiskChoice::RussianRoulette: store.write(vol::riskGame, 3); break;
        case RiskChoice::Random: store.write(vol::riskGame, 4); break;
        case RiskChoice::None: break;
        }
    }
    if (c.builtInDeck) store.write(vol::deck, 2);
    store.write(vol::back, c.back >= 1 && c.back <= 5 ? c.back : 1);
    store.write(vol::exitOffer, c.offerAnotherGame ? 1 : 0);
}

} // namespace talvern::store
