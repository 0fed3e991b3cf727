#include "context.h"

namespace talvern {

Cabinet::Cabinet() {
    RxLabel5.text = QStringLiteral("0");
    RxLabel6.text = QStringLiteral("10000");
    RxLabel7.text = QStringLiteral("0");
    RxLabel8.text = QStringLiteral("1");
    const auto& captions = initialCaptions();
    const auto values = lineValues(Variant::JokerPoker, 1);
    for (std::size_t i = 0; i < 10; ++i) {
        payCaption[i].text = QString::fromStdString(captions[i]);
        payValue[i].text = QString::number(values[i].value_or(0));
    }
    payCaption[9].visible = payValue[9].visible = false;
    for (auto& h : history) h.visible = false;
}

Machine::Machine(Pacer& p, SoundPort& s, Clock& c) : pacer(p), sound(s), clock(c) {}

void Machine::setCredits(int v) {
    state.credits = v;
    cabinet.RxLabel7.text = QString::number(v);
}

void Machine::setBet(int v) {
    state.bet = v;
    cabinet.RxLabel8.text = QString::number(v);
}

void Machine::setBonusDisplay(int v) { cabinet.RxLabel5.text = QString::number(v); }

void Machine::setJackPot(int v) {
    state.jackPot = v;
    cabinet.RxLabel6.text = QString::number(v);
}

void Machine::setWin(int v) {
    state.win = v;
    cabinet.RxLabel23.text = QString::number(v);
}

void Machine::setMaxWin(int v) {
    state.maxWin = v;
    cabinet.RxLabel25.text = QString::number(v);
}

void Machine::showCard(int pos, Card c) {
    auto& place = cabinet.Im[static_cast<std::size_t>(pos)];
    place.card = c;
    place.picture = QString::fromStdString(cards.name(c));
    place.external = state.externalDeck && c >= 0 && c <= 52;
}

void Machine::setHeld(int pos, bool on) {
    state.held[static_cast<std::size_t>(pos)] = on;
    cabinet.lb[static_cast<std::size_t>(pos)].visible = on;
}

void Machine::setCardCursors(CardCursor c) {
    for (auto& place : cabinet.Im) place.cursor = c;
}

void Machine::playSound() {
    if (!options.soundOn) return;
    const int id = static_cast<int>(state.currentSound);
    if (id < 1 || id > kSoundCount) return;
    sound.start(state.currentSound, state.currentSound == SoundId::Serdze);
}

void Machine::showCover() {
    cabinet.dealx.visible = true;
    cabinet.payment.playing = true;
}

void Machine::hideCover() {
    cabinet.dealx.visible = false;
    cabinet.payment.playing = false;
    cabinet.payment.frame = 0;
}

void Machine::coverForTheBet() {
    // Taking half down to nothing can bring in less than the bet; uncovering
    // Deal then would let the next game charge credits that are not there.
    if (state.credits < state.bet) showCover();
    else hideCover();
}

void Machine::refreshPayValues() {
    const auto values = lineValues(options.variant, state.bet);
    for (std::size_t i = 0; i < 10; ++i)
        if (values[i]) cabinet.payValue[i].text = QString::number(*values[i]);
    // Once a win is offered its top prize is fixed (the first line, the
    // always-seven rule, the bonus or the roulette's own ladder, halved by
    // each take of half): activating the window again must not put the
    // first line over the ladder instead of what the top pays.
    cabinet.RxLabel25.text = state.offerShown ? QString::number(state.maxWin) : cabinet.payValue[0].text;
}

void Machine::setPayCaptions(Variant v) {
    const auto& table = payTable(v);
    for (std::size_t i = 0; i < 10; ++i)
        if (table[i].caption) cabinet.payCaption[i].text = QString::fromUtf8(table[i].caption);
    cabinet.payCaption[9].visible = cabinet.payValue[9].visible = lineTenVisible(v);
}

void Machine::unmarkPayLines() {
    for (std::size_t i = 0; i < 10; ++i) cabinet.payCaption[i].marked = cabinet.payValue[i].marked = false;
}

void Machine::markPayLine(int line) {
    if (line < 1 || line > 10) return;
    cabinet.payCaption[static_cast<std::size_t>(line - 1)].marked = true;
    cabinet.payValue[static_cast<std::size_t>(line - 1)].marked = true;
}

void Machine::syncCountedTotals() {
    if (options.statsOff()) return;
    stats.countedCredits = state.credits;
    stats.countedLoaded = state.creditsLoaded;
    stats.countedTaken = state.creditsTaken;
}

} // namespace talvern
