#include "ladder.h"

namespace talvern::risk {

void showLadder(Machine& m, int frame) {
    m.cabinet.Duble.playing = false;
    m.cabinet.Duble.frame = frame;
}

void showRung(Machine& m, int riskCounter) {
    if (riskCounter < 3 || riskCounter > 10) return;
    showLadder(m, frameOf(riskCounter));
    if (riskCounter <= 4) m.play(SoundId::Serdze);
}

bool climbToTop(Machine& m) {
    showLadder(m, kTopFrame);
    m.pacer.pause(1000);
    if (m.state.boardReset) return false;
    m.cabinet.Duble.frame = 0;
    m.cabinet.Duble.playing = true;
    return true;
}

void stopLadder(Machine& m) {
    m.cabinet.Duble.playing = false;
    m.pacer.processEvents();
    m.cabinet.Duble.frame = 0;
}

void showIn(Machine& m, CardPlace& place, Card c) {
    place.card = c;
    place.picture = QString::fromStdString(m.cards.name(c));
    place.external = m.state.externalDeck && c >= 0 && c <= 52;
}

void revealInSlot(Machine& m, int k, Card c) {
    // The row has seven slots; a counter outside the ladder has no card to
    // show, and writing one would run past the row.
    if (k < 1 || k > kHistorySlots) return;
    Cabinet& cab = m.cabinet;
    m.state.historyCards[static_cast<std::size_t>(k - 1)] = c;
    showIn(m, cab.crd(k), m.state.selectedBack);
    cab.cr(k).visible = cab.crd(k).visible = true;
    m.pacer.hold(440);
    showIn(m, cab.crd(k), c);
}

void clearHistory(MachineState& s) { s.historyCards.fill(kNoCard); }

} // namespace talvern::risk
