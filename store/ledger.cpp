#include "ledger.h"

namespace talvern::store {

CreditStatistics addRun(int storedLoaded, int storedTaken, int runLoaded, int runTaken) {
    CreditStatistics c;
    c.loaded = addSaturated(storedLoaded, runLoaded);
    c.taken = addSaturated(storedTaken, runTaken);
    c.won = c.loaded > c.taken ? clampedToInt(static_cast<long long>(c.loaded) - c.taken) : 0;
    c.lost = c.loaded < c.taken ? clampedToInt(static_cast<long long>(c.taken) - c.loaded) : 0;
    return c;
}

void syncCountedJackPot(Machine& m) {
    if (!m.options.statsOff()) m.stats.countedJackPot = m.state.jackPot;
}

void settingsOpened(Machine& m, TotalsFigures& totals) {
    m.syncCountedTotals();
    syncCountedJackPot(m);
    const Statistics& s = m.stats;
    totals.loaded = s.countedLoaded;
    totals.taken = s.countedTaken;
    totals.won = wonAgainst(s.countedCredits, s.countedLoaded);
    totals.lost = lostAgainst(s.countedCredits, s.countedLoaded);
    m.state.creditsLoaded = s.countedLoaded;
    m.state.creditsTaken = s.countedTaken;
    m.setCredits(totals.won + totals.loaded - totals.taken - totals.lost);
}

void settingsAccepted(Machine& m) {
    if (m.options.statsOff()) return;
    m.syncCountedTotals();
    m.setJackPot(m.stats.countedJackPot);
    m.setCredits(m.state.credits);
}

void totalsActivated(Machine& m, TotalsFigures& totals) {
    if (m.options.statsOff()) return;
    m.syncCountedTotals();
    const int credits = m.state.credits;
    totals.loaded = m.stats.countedLoaded;
    totals.taken = m.stats.countedTaken;
    totals.won = wonAgainst(credits, m.stats.countedLoaded);
    totals.lost = lostAgainst(credits, m.stats.countedLoaded);
}

} // namespace talvern::store
