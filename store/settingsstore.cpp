#include "settingsstore.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>

#include <limits>

namespace talvern::store {

namespace {

QString keyOf(Section section, const QString& name) {
    return (section == Section::Vol ? QStringLiteral("vol/") : QStringLiteral("stat/")) + name;
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

SettingsStore::SettingsStore(const QString& file) : settings_(std::make_unique<QSettings>(file, QSettings::IniFormat)) {}

SettingsStore::~SettingsStore() { close(); }

int SettingsStore::read(Section section, const QString& name, int fallback) const {
    // An INI value that is not a plain string (a list "1, 2", a serialised
    // variant) is not decimal text either.
    const QVariant v = settings_->value(keyOf(section, name));
    if (v.typeId() != QMetaType::QString) return fallback;
    return parseDecimal(v.toString()).value_or(fallback);
}

void SettingsStore::write(Section section, const QString& name, int value) {
    settings_->setValue(keyOf(section, name), QString::number(value));
}

bool SettingsStore::close() {
    settings_->sync();
    if (settings_->status() != QSettings::NoError) ok_ = false;
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
