// The run ends (the time limit, the exit buttons) while a step waits: the
// step stops where it waited, and every credit the player ends with is in
// the credits taken out, the Jack Pot's payout included.
#include <gtest/gtest.h>

#include "hands.h"
#include "rig.h"

using namespace talvern;

namespace {

// Virtual time in which a timer can fire inside any wait: the holds keep
// back the player's input, not the timers.
class TimerPacer : public Pacer {
public:
    std::function<void(char kind, int ms)> onWait;
    void pause(int ms) override { wait('p', ms); }
    void hold(int ms) override { wait('h', ms); }
    void processEvents() override { wait('e', 0); }

private:
    void wait(char kind, int ms) {
        if (onWait) onWait(kind, ms);
    }
};

enum class LimitIn { Guess, Reveal, Payout };

// Five of a kind with no risk game: paid at once, and the Jack Pot window
// opens, where every guess finds the joker.
struct EndingRig {
    TimerPacer pacer;
    test::RecordingSound sound;
    test::SetClock clock;
    test::FakeWindow window;
    Controller c{pacer, sound, clock, window};
    Machine& m = c.machine;
    MachineState& s = c.machine.state;
    int fired = 0;

    EndingRig() {
        c.wins.setRiskGames(&c.risk);
        m.options.variant = Variant::JokerPoker;
        m.options.riskChoice = RiskChoice::None;
        m.options.fortune[3] = 100;
        m.cards.setBuiltInDeck(Variant::JokerPoker);
        m.setPayCaptions(Variant::JokerPoker);
        m.setCredits(1000);
        m.setBet(1);
        m.refreshPayValues();
        m.hideCover();
    }

    void timeLimit() {
        ++fired;
        c.timeLimitReached();
    }

    // The window's own loop: skip the count-up, then guess on until it
    // closes; `between` runs between two guesses, as a timer in the
    // window's event loop would.
    void playWindow(const std::function<void(int hits)>& between) {
        c.jackPot.open();
        c.jackPotKey(false);
        for (int guard = 0; !c.jackPot.closed() && guard < 10; ++guard) {
            if (between) between(c.jackPot.hits());
            c.jackPotCard(0);
            c.jackPotConfirm();
        }
    }

    void drawFiveOfAKind() {
        c.click(Ctl::Deal);
        const Hand h = test::hand("AH AB AK AV PP");
        s.hand = h;
        for (int i = 0; i < 5; ++i) {
            m.showCard(i, h[static_cast<std::size_t>(i)]);
            m.setHeld(i, true);
        }
        c.click(Ctl::Deal);
    }
};

} // namespace

TEST(TheRunEnds, TheJackPotPaysBeforeTheCreditsAreTakenOut) {
    for (LimitIn where : {LimitIn::Guess, LimitIn::Reveal, LimitIn::Payout}) {
        SCOPED_TRACE(static_cast<int>(where));
        EndingRig r;
        int units = 0;
        r.c.game.setJackPotWindow([&] {
            r.playWindow([&](int hits) {
                if (where == LimitIn::Guess && hits == 1 && !r.fired) r.timeLimit();
            });
        });
        r.pacer.onWait = [&](char kind, int ms) {
            if (r.fired || r.c.jackPot.hits() != 1) return;
            if (where == LimitIn::Reveal && kind == 'h' && ms == 2000) r.timeLimit();
            if (where == LimitIn::Payout && r.c.jackPot.paying() && kind == 'e' && ++units == 100) r.timeLimit();
        };
        r.drawFiveOfAKind();

        ASSERT_EQ(r.fired, 1);
        EXPECT_TRUE(r.c.jackPot.closed());
        EXPECT_EQ(r.window.closed, 1);
        EXPECT_EQ(r.c.depth(), 0);
        const int jackPotPaid = 3333 + (where == LimitIn::Payout ? 100 : 0);
        EXPECT_EQ(r.s.credits, 1000 - 1 + 300 + jackPotPaid);
        EXPECT_EQ(r.s.creditsTaken, r.s.credits);
        EXPECT_EQ(r.m.cabinet.RxLabel7.text, "0");  // counted out
        r.m.syncCountedTotals();
        EXPECT_EQ(r.m.stats.countedTaken, r.s.credits);
        EXPECT_EQ(r.s.jackPot, 10000);  // what is left, and never below its floor
        // nothing of the Jack Pot goes on after the end
        EXPECT_FALSE(r.c.jackPot.paying());
        const int credits = r.s.credits;
        r.c.jackPotCard(1);
        r.c.jackPotConfirm();
        r.c.jackPotKey(false);
        EXPECT_EQ(r.s.credits, credits);
        EXPECT_FALSE(r.c.click(Ctl::Deal));
    }
}

// The time limit inside the waits of a risk game's step: the step stops
// there; what was at stake is not paid, nothing is laid out again.
TEST(TheRunEnds, AStepWaitingWhenTheTimeLimitComesGoesNoFurther) {
    struct Case {
        RiskChoice choice;
        Ctl step;
        char kind;
        int ms;
    };
    for (const Case& k : {Case{RiskChoice::RedBlack, Ctl::BtnRed, 'h', 440}, Case{RiskChoice::RedBlack, Ctl::BtnCash, 'p', 1000},
                          Case{RiskChoice::HigherLower, Ctl::BtnYes1, 'p', 100},
                          Case{RiskChoice::RussianRoulette, Ctl::BtnYes1, 'p', 3200},
                          Case{RiskChoice::RussianRoulette, Ctl::BtnHalf1, 'p', 500}}) {
        SCOPED_TRACE(std::string(1, k.kind) + std::to_string(k.ms));
        EndingRig r;
        r.m.options.riskChoice = k.choice;
        r.m.options.statisticsOff = false;
        r.m.options.fortune[3] = 0;
        r.c.click(Ctl::Deal);
        const Hand h = test::hand("8H 8B 5K 5V KH");  // two pairs: 3 at bet 1
        r.s.hand = h;
        for (int i = 0; i < 5; ++i) {
            r.m.showCard(i, h[static_cast<std::size_t>(i)]);
            r.m.setHeld(i, true);
        }
        ASSERT_TRUE(r.c.click(Ctl::Deal));
        ASSERT_TRUE(r.m.cabinet.Panel3.visible || r.m.cabinet.Panel4.visible);
        const int credits = r.s.credits;
        r.pacer.onWait = [&](char kind, int ms) {
            if (!r.fired && kind == k.kind && ms == k.ms) r.timeLimit();
        };
        ASSERT_TRUE(r.c.click(k.step));
        ASSERT_EQ(r.fired, 1);
        EXPECT_EQ(r.c.depth(), 0);
        EXPECT_TRUE(r.s.boardReset);
        EXPECT_FALSE(r.m.cabinet.Panel3.visible);
        EXPECT_FALSE(r.m.cabinet.Panel4.visible);
        EXPECT_FALSE(r.m.cabinet.RdBl.visible);
        EXPECT_FALSE(r.m.cabinet.RusRul.visible);
        EXPECT_EQ(r.s.creditsTaken, r.s.credits);
        const int taken = k.step == Ctl::BtnCash ? 3 : (k.step == Ctl::BtnHalf1 ? 1 : 0);  // a take counts before its wait
        EXPECT_EQ(r.s.credits, credits + taken);
        EXPECT_EQ(r.window.closed, 1);
    }
}
