#pragma once
// What the three risk games share: the doubling ladder Duble with the
// maximum win over it, and the history row of revealed cards on the
// Red-Black table (Higher-Lower shows its dealer card in slot 5).
#include "context.h"

namespace talvern::risk {

inline constexpr int kHistorySlots = 7;
inline constexpr int kTopFrame = 7;

// The risk counters at which the ladder is at its top (no guess left).
constexpr bool atTop(int riskCounter) { return riskCounter == 1 || riskCounter == 2; }
// The history slot the step at a risk counter fills: slot 1 at 9 .. slot 7 at 3.
constexpr int slotOf(int riskCounter) { return 10 - riskCounter; }
// The ladder frame of the card games: 9 - counter, the bottom at 9 and 10.
constexpr int frameOf(int riskCounter) { return riskCounter >= 9 ? 0 : 9 - riskCounter; }

// A still ladder frame.
void showLadder(Machine& m, int frame);
// The rung of a risk counter below the top (3 to 10), with the heartbeat on
// the last two; other counters show nothing.
void showRung(Machine& m, int riskCounter);
// The top: frame 7 for a second, then the ladder runs from frame 0 until the
// win is taken. Returns false when the game ended during that second (the
// player took the win), in which case nothing more is started.
bool climbToTop(Machine& m);
// Stops the running ladder and rewinds it to frame 0.
void stopLadder(Machine& m);

// Shows card c in slot k: first the deck's back, then, after a wait that
// ignores input, its face. Remembers it as history card k. A slot outside
// 1..7 shows and remembers nothing.
void revealInSlot(Machine& m, int k, Card c);
void clearHistory(MachineState& s);
// Puts the picture of a card code into any card place of the cabinet.
void showIn(Machine& m, CardPlace& place, Card c);

} // namespace talvern::risk
