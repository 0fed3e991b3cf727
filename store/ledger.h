#pragma once
// The bookkeeping between the live figures of the machine and the counted
// totals that the receipt, the game log and the credit statistics report.
// While statistics are off the counted totals stand still; the points below
// are where the windows bring them up to date, and where play made with
// statistics off is discarded again.
#include "context.h"

namespace talvern::store {

// Won and lost against the credits loaded: one of them is always 0.
constexpr int wonAgainst(int credits, int loaded) { return credits - loaded > 0 ? credits - loaded : 0; }
constexpr int lostAgainst(int credits, int loaded) { return credits - loaded > 0 ? 0 : loaded - credits; }

// The four figures of the receipt and its run number.
struct TotalsFigures {
    int runNumber = 1;
    int loaded = 0;
    int taken = 0;
    int won = 0;
    int lost = 0;
};

// The credit statistics of the store, all runs.
struct CreditStatistics {
    int loaded = 0;  // "stcst"
    int taken = 0;   // "stcto"
    int won = 0;     // "stcw": loaded minus taken where positive
    int lost = 0;    // "stcl": taken minus loaded where positive
};

// The credit statistics after adding one run's counted loaded and taken
// credits to the stored totals.
CreditStatistics addRun(int storedLoaded, int storedTaken, int runLoaded, int runTaken);

// The counted Jack Pot follows the amount shown, while statistics are on.
void syncCountedJackPot(Machine& m);

// Opening the settings dialog: brings the counted totals (Jack Pot included)
// up to date, sets the receipt's figures from them, and puts the live
// figures back to the counted ones, whatever the statistics-off flag says.
void settingsOpened(Machine& m, TotalsFigures& totals);

// The dialog's OK: with statistics on, the counted totals follow the live
// figures again and the credits and the Jack Pot shown are the counted ones.
void settingsAccepted(Machine& m);

// The receipt becoming active: with statistics on its figures are worked
// out afresh from the current credits; with statistics off they stay.
void totalsActivated(Machine& m, TotalsFigures& totals);

} // namespace talvern::store
