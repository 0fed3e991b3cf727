// Russian Roulette against the presentation model, in virtual time.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "riskrig.h"
#include "roulette.h"

using namespace talvern;
using test::RiskRig;

namespace {

constexpr const char* kJacks = "JH JB 5K 8V 2H";  // Jack or Better: pays 1 x bet

struct RrRig : RiskRig {
    int jackPots = 0;
    RrRig() { c.game.setJackPotWindow([this] { ++jackPots; }); }
    void readyRR(Variant v, int bet) {
        ready(v, bet);
        m.options.riskChoice = RiskChoice::RussianRoulette;
    }
    // Random(6) of a pull for a clock value: its first draw.
    static int shotAt(std::uint32_t ms) {
        RandomSource r(ms);
        return r.next(6);
    }
    bool survive() {
        clockFor([&](std::uint32_t ms) { return shotAt(ms) < s.chambers; });
        return c.click(Ctl::BtnYes1);
    }
    bool fire() {
        clockFor([&](std::uint32_t ms) { return shotAt(ms) >= s.chambers; });
        return c.click(Ctl::BtnYes1);
    }
    int shown() const { return cab.RxLabel27.text.toInt(); }
    bool rowShown() const { return cab.BtnYes1.visible && cab.BtnHalf1.visible && cab.BtnCash1.visible; }
};

} // namespace

TEST(Roulette, TheRungsAreTruncatedExactDivisions) {
    EXPECT_EQ(roulette::firstRung(10), 12);   // 10 + 1.7 + 1
    EXPECT_EQ(roulette::secondRung(12), 16);  // 12 + 3.96 + 1
    EXPECT_EQ(roulette::firstRung(1), 2);
    EXPECT_EQ(roulette::secondRung(2), 3);
    // integer division would give 51 and 67
    EXPECT_EQ(roulette::firstRung(50), 59);
    EXPECT_EQ(roulette::secondRung(50), 67);
    EXPECT_EQ(roulette::secondRung(99), 132);  // 99 + 32.67 + 1
    // whole hundreds come out exactly
    EXPECT_EQ(roulette::firstRung(300), 352);
    EXPECT_EQ(roulette::secondRung(100), 134);
    EXPECT_EQ(roulette::firstRung(0), 1);
}

TEST(Roulette, TheSetUpLaysOutTheRevolverTable) {
    RrRig r;
    r.readyRR(Variant::JackOrBetter, 10);
    r.win(kJacks);
    EXPECT_EQ(r.s.riskChoice, RiskChoice::RussianRoulette);
    EXPECT_TRUE(r.cab.RusRul.visible && r.cab.Panel4.visible && r.cab.Duble.visible && r.cab.RxLabel25.visible);
    EXPECT_TRUE(r.cab.pist.visible && r.cab.colt.visible);
    EXPECT_FALSE(r.cab.RdBl.visible || r.cab.Panel3.visible);
    EXPECT_EQ(r.cab.RxLabel26.text, "ВЫ ВЫИГРАЛИ");
    EXPECT_EQ(r.cab.RxLabel27.text, "10");
    EXPECT_EQ(r.cab.RxLabel25.text, "672");
    EXPECT_EQ(r.cab.Duble.frame, 2);
    EXPECT_EQ(r.cab.pist.frame, 0);
    EXPECT_EQ(r.s.riskCounter, 7);
    EXPECT_TRUE(r.rowShown());
    EXPECT_TRUE(r.cab.BtnCash1.enabled);
    for (const auto& lb : r.cab.lb) EXPECT_FALSE(lb.visible);
    EXPECT_EQ(r.sound.started.back().id, SoundId::Serdze);
    EXPECT_TRUE(r.sound.started.back().loop);
    EXPECT_EQ(r.waits('p', 2000), 1);  // the offer's
    EXPECT_EQ(r.s.chambers, 6);
}

TEST(Roulette, FiveSurvivedPullsClimbTheLadder) {
    struct Case {
        int bet;
        std::vector<int> rungs;
        int top;
    };
    for (const Case& t : {Case{10, {12, 16, 32, 96}, 672}, Case{1, {2, 3, 6, 18}, 126}}) {
        RrRig r;
        r.readyRR(Variant::JackOrBetter, t.bet);
        r.win(kJacks);
        ASSERT_EQ(r.s.maxWin, t.top);
        for (int pull = 1; pull <= 4; ++pull) {
            ASSERT_TRUE(r.survive()) << pull;
            EXPECT_EQ(r.shown(), t.rungs[static_cast<std::size_t>(pull - 1)]) << pull;
            EXPECT_EQ(r.s.riskCounter, 7 - pull);
            EXPECT_EQ(r.cab.Duble.frame, 2 + pull);
            EXPECT_EQ(r.cab.pist.frame, pull);
            EXPECT_EQ(r.s.chambers, 6 - pull);
            EXPECT_TRUE(r.rowShown() && r.cab.BtnCash1.enabled);
            EXPECT_TRUE(r.cab.message1.visible);
        }
        const int credits = r.s.credits;
        ASSERT_TRUE(r.survive());
        EXPECT_EQ(r.shown(), t.top);
        EXPECT_EQ(r.s.win, t.top);
        EXPECT_EQ(r.s.riskCounter, 2);
        EXPECT_FALSE(r.cab.BtnYes1.visible || r.cab.BtnHalf1.visible);
        EXPECT_TRUE(r.cab.BtnCash1.visible && r.cab.BtnCash1.enabled);
        EXPECT_TRUE(r.cab.CashOut1.playing && r.cab.Duble.playing);
        EXPECT_EQ(r.cab.Duble.frame, 0);
        EXPECT_EQ(r.musicPort.opens, 1);  // the win music starts after the top's second
        EXPECT_FALSE(r.c.click(Ctl::BtnYes1));
        ASSERT_TRUE(r.c.click(Ctl::BtnCash1));
        EXPECT_EQ(r.s.credits, credits + t.top);
        EXPECT_EQ(r.musicPort.closes, 1);
        // the reset takes the roulette back to its start
        EXPECT_TRUE(r.s.boardReset);
        EXPECT_EQ(r.s.chambers, 6);
        EXPECT_EQ(r.s.pulls, 0);
        EXPECT_EQ(r.s.shot, 6);
        EXPECT_EQ(r.cab.pist.frame, 0);
        EXPECT_FALSE(r.cab.RusRul.visible || r.cab.Panel4.visible);
    }
}

TEST(Roulette, APullPlaysTheRevolverWithItsButtonsAway) {
    RrRig r;
    r.readyRR(Variant::JackOrBetter, 10);
    r.win(kJacks);
    r.music.play();
    const std::size_t sounds = r.sound.started.size(), waits = r.pacer.waits.size();
    bool coltAtStart = true, coltDuring = false, pulledAgain = true, took = true, halved = true;
    const long t0 = r.pacer.now;
    r.pacer.at(t0 + 100, [&] { coltAtStart = r.cab.colt.playing; });
    r.pacer.at(t0 + 2000, [&] {
        coltDuring = r.cab.colt.playing && r.cab.coltRuns == 1;
        pulledAgain = r.c.click(Ctl::BtnYes1);
        took = r.c.click(Ctl::BtnCash1);
        halved = r.c.click(Ctl::BtnHalf1);
    });
    ASSERT_TRUE(r.survive());
    EXPECT_FALSE(coltAtStart);
    EXPECT_TRUE(coltDuring);
    EXPECT_FALSE(pulledAgain || took || halved);
    EXPECT_FALSE(r.cab.colt.playing);
    EXPECT_EQ(r.cab.coltRuns, 1);
    EXPECT_EQ(r.musicPort.stops, 1);  // the music falls silent at the pull
    EXPECT_EQ(r.musicPort.closes, 0);
    std::vector<SoundId> heard;
    for (std::size_t i = sounds; i < r.sound.started.size(); ++i) heard.push_back(r.sound.started[i].id);
    EXPECT_EQ(heard, (std::vector<SoundId>{SoundId::Gun, SoundId::Gunno, SoundId::Serdze}));
    EXPECT_TRUE(r.sound.started.back().loop);
    ASSERT_EQ(r.pacer.waits.size(), waits + 3);
    EXPECT_EQ(r.pacer.waits[waits].ms, 500);
    EXPECT_EQ(r.pacer.waits[waits + 1].ms, 3200);
    EXPECT_EQ(r.pacer.waits[waits + 2].ms, 300);
    ASSERT_TRUE(r.survive());
    EXPECT_EQ(r.cab.coltRuns, 2);
}

TEST(Roulette, TheFirstPullIsAlwaysSurvivedAlsoAfterAShot) {
    RrRig r;
    r.readyRR(Variant::JackOrBetter, 1);
    int games = 0, shots = 0;
    for (std::uint32_t g = 0; g < 300; ++g) {
        r.win(kJacks);
        ASSERT_EQ(r.s.chambers, 6);
        r.clock.ms = g * 7919u + 13u;
        ASSERT_TRUE(r.c.click(Ctl::BtnYes1));
        ASSERT_EQ(r.s.riskCounter, 6) << g;
        ASSERT_EQ(r.shown(), 2);
        ++games;
        // and play on until the shot, so the next game follows one
        while (!r.s.boardReset) {
            r.clock.ms += 104729u;
            ASSERT_TRUE(r.c.click(r.cab.BtnYes1.visible ? Ctl::BtnYes1 : Ctl::BtnCash1));
        }
        shots += r.sound.started.back().id != SoundId::Home;
    }
    EXPECT_EQ(games, 300);
    EXPECT_GT(shots, 200);
}

TEST(Roulette, EachPullIsAChamberMoreDangerous) {
    RrRig r;
    r.readyRR(Variant::JackOrBetter, 1);
    std::array<int, 5> tried{}, survived{};
    // times of day drawn independently, so that no pull's outcome follows
    // from the one before
    std::mt19937 times(20240611u);
    std::uniform_int_distribution<std::uint32_t> dayMs(0, 86399999u);
    for (std::uint32_t g = 0; g < 2400; ++g) {
        r.win(kJacks);
        for (int pull = 0; !r.s.boardReset && r.cab.BtnYes1.visible; ++pull) {
            r.clock.ms = dayMs(times);
            const int before = r.s.riskCounter;
            ASSERT_TRUE(r.c.click(Ctl::BtnYes1));
            ++tried[static_cast<std::size_t>(pull)];
            survived[static_cast<std::size_t>(pull)] += r.s.riskCounter == before - 1 && !r.s.boardReset;
        }
        if (!r.s.boardReset) r.c.click(Ctl::BtnCash1);
    }
    EXPECT_EQ(survived[0], tried[0]);
    for (int n = 1; n < 5; ++n) {
        const double expected = (6.0 - n) / 6.0;
        const double seen = static_cast<double>(survived[static_cast<std::size_t>(n)]) / tried[static_cast<std::size_t>(n)];
        EXPECT_NEAR(seen, expected, 0.06) << "pull " << n + 1 << " of " << tried[static_cast<std::size_t>(n)];
    }
    EXPECT_GT(tried[4], 150);
}

TEST(Roulette, TakingHalfBetweenPullsClimbsOnFromTheHalvedAmount) {
    RrRig r;
    r.readyRR(Variant::JackOrBetter, 10);
    r.win(kJacks);
    ASSERT_TRUE(r.survive());
    ASSERT_EQ(r.shown(), 12);
    const int credits = r.s.credits;
    ASSERT_TRUE(r.c.click(Ctl::BtnHalf1));
    EXPECT_EQ(r.shown(), 6);
    EXPECT_EQ(r.s.maxWin, 336);
    EXPECT_EQ(r.s.credits, credits + 6);
    EXPECT_EQ(r.s.riskCounter, 6);
    EXPECT_EQ(r.cab.Duble.frame, 3);
    ASSERT_TRUE(r.survive());
    EXPECT_EQ(r.shown(), 8);  // Trunc(6 + 1.98 + 1)
    ASSERT_TRUE(r.survive());
    EXPECT_EQ(r.shown(), 16);
    ASSERT_TRUE(r.survive());
    EXPECT_EQ(r.shown(), 48);
    ASSERT_TRUE(r.survive());
    EXPECT_EQ(r.shown(), 336);
    ASSERT_TRUE(r.c.click(Ctl::BtnCash1));
    EXPECT_EQ(r.s.credits, credits + 6 + 336);
}

TEST(Roulette, TheShotLosesTheWinWithARedFlashUnlessBloodIsOff) {
    for (bool bloodOff : {false, true}) {
        RrRig r;
        r.readyRR(Variant::JokerPoker, 1);
        r.m.options.bloodOff = bloodOff;
        r.win("AH KH QH JH 1H");  // a royal flush: the roulette gives it five pulls too
        EXPECT_EQ(r.s.riskCounter, 7);
        EXPECT_TRUE(r.rowShown());
        ASSERT_TRUE(r.survive());
        const int credits = r.s.credits;
        const std::size_t waits = r.pacer.waits.size();
        bool red = false, hidden = false, zero = false;
        int checks = 0;
        // sample the whole wait after the shot every 50 ms
        for (long t = 3700 + 10; t < 3700 + 2300; t += 50) {
            r.pacer.at(r.pacer.now + t, [&] {
                red |= r.cab.redBackground;
                hidden |= !r.cab.Panel1.visible;
                zero = r.cab.RxLabel27.text == "0";
                ++checks;
            });
        }
        ASSERT_TRUE(r.fire());
        EXPECT_GT(checks, 30);
        EXPECT_EQ(red, !bloodOff);
        EXPECT_EQ(hidden, !bloodOff);
        EXPECT_TRUE(zero);
        EXPECT_FALSE(r.cab.redBackground);
        EXPECT_TRUE(r.cab.Panel1.visible);
        EXPECT_EQ(r.sound.count(SoundId::Gunyes), 1);
        std::vector<int> after;
        for (std::size_t i = waits + 2; i < r.pacer.waits.size(); ++i) after.push_back(r.pacer.waits[i].ms);
        EXPECT_EQ(after, bloodOff ? (std::vector<int>{300, 1500}) : (std::vector<int>{300, 400, 1500}));
        EXPECT_EQ(r.s.credits, credits);
        EXPECT_TRUE(r.s.boardReset);
        EXPECT_EQ(r.s.win, 0);
        EXPECT_EQ(r.jackPots, 0);  // a royal flush shot away opens no Jack Pot
        EXPECT_EQ(r.s.chambers, 6);
        EXPECT_EQ(r.s.pulls, 0);
        EXPECT_FALSE(r.cab.RusRul.visible || r.cab.Panel4.visible || r.cab.Duble.visible);
    }
}

TEST(Roulette, ClosingDuringTheRedFlashLeavesTheWindowItsColours) {
    RrRig r;
    r.readyRR(Variant::JackOrBetter, 1);
    r.win(kJacks);
    ASSERT_TRUE(r.survive());
    int unwound = 0;
    r.c.setUnwoundCallback([&] { ++unwound; });
    r.pacer.at(r.pacer.now + 500 + 3200 + 300 + 100, [&] { r.pacer.closing = true; });
    r.fire();
    EXPECT_EQ(unwound, 1);
    EXPECT_FALSE(r.cab.redBackground);
    EXPECT_TRUE(r.cab.Panel1.visible);
}

TEST(RiskChoice, ChoosingAtRandomPlaysEachGame) {
    RiskRig r;
    r.ready(Variant::JokerPoker, 1);
    r.m.options.riskChoice = RiskChoice::Random;
    std::set<RiskChoice> played;
    for (std::uint32_t g = 0; g < 60; ++g) {
        r.clock.ms = 5000u + g * 7919u;
        r.win("8H 8B 5K 5V KH");
        switch (r.s.riskChoice) {
        case RiskChoice::RedBlack:
            EXPECT_TRUE(r.cab.Panel3.visible && r.cab.RdBl.visible && r.cab.BtnRed.visible);
            EXPECT_FALSE(r.cab.Panel4.visible || r.cab.RusRul.visible);
            ASSERT_TRUE(r.c.click(Ctl::BtnCash));
            break;
        case RiskChoice::HigherLower:
            EXPECT_TRUE(r.cab.Panel4.visible && r.cab.RdBl.visible && r.cab.BtnYes1.visible);
            EXPECT_FALSE(r.cab.Panel3.visible || r.cab.RusRul.visible);
            ASSERT_TRUE(r.c.click(Ctl::BtnYes1));
            EXPECT_TRUE(r.cab.crd(5).visible);  // a deal, not a pull
            EXPECT_EQ(r.s.pulls, 0);
            break;
        case RiskChoice::RussianRoulette:
            EXPECT_TRUE(r.cab.Panel4.visible && r.cab.RusRul.visible && r.cab.BtnYes1.visible);
            EXPECT_FALSE(r.cab.Panel3.visible || r.cab.RdBl.visible);
            ASSERT_TRUE(r.c.click(Ctl::BtnYes1));
            EXPECT_EQ(r.s.pulls, 1);
            break;
        default:
            ADD_FAILURE() << static_cast<int>(r.s.riskChoice);
        }
        played.insert(r.s.riskChoice);
        if (!r.s.boardReset) {
            if (r.cab.Panel4.visible && r.cab.BtnCash1.visible) r.c.click(Ctl::BtnCash1);
            else if (r.cab.Panel4.visible) r.c.click(r.cab.Im[0].enabled ? Ctl::Im1 : Ctl::BtnCash1);
        }
        if (!r.s.boardReset && r.cab.Panel4.visible) r.c.click(Ctl::BtnCash1);
        ASSERT_TRUE(r.s.boardReset) << g;
    }
    EXPECT_EQ(played.size(), 3u);
}
