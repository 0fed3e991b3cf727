#pragma once
// The machine as the flows see it: its state, the cabinet they draw on, the
// options of the settings, the card image table, the random source and the
// ports to the world. The display primitives keep state and display in step.
#include "cabinet.h"
#include "music.h"
#include "machine.h"
#include "pacer.h"
#include "paytable.h"
#include "ports.h"
#include "random.h"
#include "recorder.h"

namespace talvern {

class Machine {
public:
    Machine(Pacer& pacer, SoundPort& sound, Clock& clock);

    MachineState state;
    Cabinet cabinet;
    Options options;
    Statistics stats;
    CardImageTable cards;
    RandomSource random;
    StepPacer pacer;
    SoundPort& sound;
    Clock& clock;
    Music* music = nullptr;  // the window's music player, when there is one
    GameRecorder recorder;   // the game recall: every game, replayable from its seeds

    // number displays
    void setCredits(int v);
    void setBet(int v);
    void setBonusDisplay(int v);
    void setJackPot(int v);
    void setWin(int v);
    void setMaxWin(int v);

    // cards and hold markers
    void showCard(int pos, Card c);  // loads the picture the table names now
    void showBack(int pos) { showCard(pos, state.selectedBack); }
    void setHeld(int pos, bool on);
    void setCardCursors(CardCursor c);

    // sound: Play sound plays the current sound
    void playSound();
    void play(SoundId id) {
        state.currentSound = id;
        playSound();
    }

    // the cover over Deal and the animation inviting the player to load
    void showCover();
    void hideCover();
    // After a take: Deal is uncovered only when the credits reach the bet.
    void coverForTheBet();

    // pay table
    void refreshPayValues();           // bet x multiplier; Lv1 also into the top-prize display, unless a win is on offer
    void setPayCaptions(Variant v);    // the captions of a variant and line 10 shown or hidden
    void unmarkPayLines();
    void markPayLine(int line);        // 1-based

    // statistics: copy the live figures into the counted ones while counting
    void syncCountedTotals();

    Classifier classifier() const { return Classifier(cards, options.variant); }
};

} // namespace talvern
