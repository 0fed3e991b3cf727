// Higher-Lower against the presentation model, in virtual time.
#include <gtest/gtest.h>

#include <set>

#include "higherlower.h"
#include "ladder.h"
#include "riskrig.h"

using namespace talvern;
using test::RiskRig;

namespace {

constexpr const char* kTwoPairs = "8H 8B 5K 5V KH";

Ctl place(int pos) { return static_cast<Ctl>(static_cast<int>(Ctl::Im1) + pos); }

struct HlRig : RiskRig {
    void readyHL(Variant v, int bet, bool alwaysSeven = false) {
        ready(v, bet, alwaysSeven);
        m.options.riskChoice = RiskChoice::HigherLower;
    }
    bool jokerPoker() const { return m.options.variant == Variant::JokerPoker; }
    int rank(Card c, bool dealer) const {
        const std::string& name = m.cards.name(c);
        return dealer ? higherlower::dealerRank(name) : higherlower::pickRank(name);
    }
    // What the next deal turns for a clock value (the deal's first draws).
    Card dealerAt(std::uint32_t ms) const {
        RandomSource r(ms);
        const bool jokerAllowed = jokerPoker() && m.options.fortune[2] >= -90;
        for (;;) {
            const Card c = r.next(53);
            if (c != kJoker || jokerAllowed) return c;
        }
    }
    // What a pick turns for a clock value with the fortune at 0.
    Card naturalPickAt(std::uint32_t ms) const {
        RandomSource r(ms);
        for (;;) {
            r.next(101);
            const Card c = r.next(53);
            if (c == dealer() || (c == kJoker && !jokerPoker())) continue;
            return c;
        }
    }
    Card dealer() const { return s.historyCards[4]; }
    bool dealWhere(const std::function<bool(Card)>& pred) {
        clockFor([&](std::uint32_t ms) { return pred(dealerAt(ms)); });
        return c.click(Ctl::BtnYes1);
    }
    bool pickWhere(int pos, const std::function<bool(Card)>& pred) {
        clockFor([&](std::uint32_t ms) { return pred(naturalPickAt(ms)); });
        return c.click(place(pos));
    }
    // A deal whose dealer card can be beaten, then a higher pick.
    void winStep(int pos = 2) {
        ASSERT_TRUE(dealWhere([&](Card d) { return rank(d, true) < 14; }));
        ASSERT_TRUE(pickWhere(pos, [&](Card p) { return rank(p, false) > s.dealerRank; }));
    }
    void loseStep(int pos = 2) {
        ASSERT_TRUE(dealWhere([&](Card d) { return rank(d, true) > 2; }));
        ASSERT_TRUE(pickWhere(pos, [&](Card p) { return rank(p, false) < s.dealerRank; }));
    }
    bool placesPickable() const {
        for (const auto& p : cab.Im)
            if (!p.enabled || p.cursor != CardCursor::Hand) return false;
        return true;
    }
    bool rowShown() const { return cab.BtnYes1.visible && cab.BtnHalf1.visible && cab.BtnCash1.visible; }
};

} // namespace

TEST(HigherLower, RanksReadTheFirstLetterAndTheJokerLosesAsDealerAndWinsAsPick) {
    EXPECT_EQ(higherlower::pickRank("2H2"), 2);
    EXPECT_EQ(higherlower::pickRank("9K0"), 9);
    EXPECT_EQ(higherlower::pickRank("1V2"), 10);
    EXPECT_EQ(higherlower::pickRank("JB2"), 11);
    EXPECT_EQ(higherlower::pickRank("QH4"), 12);
    EXPECT_EQ(higherlower::pickRank("KK2"), 13);
    EXPECT_EQ(higherlower::dealerRank("AH2"), 14);
    EXPECT_EQ(higherlower::dealerRank("PP2"), 1);
    EXPECT_EQ(higherlower::pickRank("PP2"), 15);
    // the wild deuces of Deuces Wild are plain twos here
    EXPECT_EQ(higherlower::pickRank("2H4"), 2);
}

TEST(HigherLower, TheDisplayStepLaysOutPanel4AndTheDealTurnsTheDealerCard) {
    HlRig r;
    r.readyHL(Variant::JokerPoker, 1);
    r.win(kTwoPairs);
    EXPECT_EQ(r.s.riskChoice, RiskChoice::HigherLower);
    EXPECT_TRUE(r.cab.Panel4.visible && r.cab.RdBl.visible && r.cab.Duble.visible && r.cab.RxLabel25.visible);
    EXPECT_FALSE(r.cab.Panel3.visible || r.cab.RusRul.visible);
    EXPECT_TRUE(r.rowShown());
    EXPECT_TRUE(r.cab.BtnCash1.enabled);
    EXPECT_EQ(r.cab.message1.text, "Умножим?");
    EXPECT_EQ(r.s.win, 3);
    EXPECT_EQ(r.cab.RxLabel25.text, "300");
    EXPECT_EQ(r.cab.Duble.frame, 0);
    EXPECT_EQ(r.s.riskCounter, 9);  // the first display takes nothing off
    for (Card c : r.s.hand) EXPECT_EQ(c, 54);  // no card of the hand restricts the picks
    for (const auto& lb : r.cab.lb) EXPECT_FALSE(lb.visible);
    for (const auto& slot : r.cab.history) EXPECT_FALSE(slot.visible);
    EXPECT_EQ(r.waits('p', 2000), 1);  // only the offer's: the game is not active yet

    // a click on a card place before the deal is neither a pick nor a hold
    const auto held = r.s.held;
    EXPECT_TRUE(r.c.click(Ctl::Im3));
    EXPECT_EQ(r.m.stats.higherLowerAttempts, 0);
    EXPECT_EQ(r.s.held, held);
    EXPECT_FALSE(r.cab.lb[2].visible);
    const int shortPauses = r.waits('p', 100);

    bool pickedEarly = true, bare = false;
    const long start = r.pacer.now;
    r.pacer.at(start + 200, [&] {  // inside the first pause: the table is bare and no place takes a pick
        bare = true;
        for (const auto& p : r.cab.Im) bare &= p.picture.isEmpty();
        pickedEarly = r.c.click(Ctl::Im1);
    });
    const std::size_t sounds = r.sound.started.size();
    ASSERT_TRUE(r.dealWhere([](Card) { return true; }));
    EXPECT_TRUE(bare);
    EXPECT_FALSE(pickedEarly);
    EXPECT_TRUE(r.s.higherLowerActive);
    EXPECT_FALSE(r.cab.BtnYes1.visible || r.cab.BtnHalf1.visible || r.cab.BtnCash1.visible);
    EXPECT_FALSE(r.cab.BtnCash1.enabled);
    for (int k = 0; k < 5; ++k) EXPECT_EQ(r.cab.Im[static_cast<std::size_t>(k)].picture, "R");
    EXPECT_TRUE(r.placesPickable());
    // the dealer card lies face up in slot 5, alone
    for (int k = 1; k <= 7; ++k) EXPECT_EQ(r.cab.crd(k).visible, k == 5) << k;
    EXPECT_TRUE(r.cab.cr(5).visible);
    EXPECT_EQ(r.cab.crd(5).card, r.dealer());
    EXPECT_EQ(r.cab.crd(5).picture, QString::fromStdString(r.m.cards.name(r.dealer())));
    EXPECT_EQ(r.s.dealerRank, r.rank(r.dealer(), true));
    EXPECT_EQ(r.cab.message1.text, "Выбери карту больше.");
    EXPECT_TRUE(r.cab.message1.visible);
    std::vector<SoundId> heard;
    for (std::size_t i = sounds; i < r.sound.started.size(); ++i) heard.push_back(r.sound.started[i].id);
    EXPECT_EQ(heard, (std::vector<SoundId>{SoundId::Card, SoundId::Card, SoundId::Card, SoundId::Card, SoundId::Card,
                                           SoundId::Rasd}));
    EXPECT_EQ(r.waits('p', 500), 1);
    EXPECT_EQ(r.waits('p', 100), shortPauses + 5);
    EXPECT_EQ(r.waits('h', 440), 1);
}

TEST(HigherLower, AWonPickDoublesClimbsAndOffersTheNextDeal) {
    HlRig r;
    r.readyHL(Variant::JokerPoker, 1);
    r.win(kTwoPairs);
    const std::size_t waits = r.pacer.waits.size();
    r.winStep(3);
    EXPECT_EQ(r.s.win, 6);
    EXPECT_EQ(r.s.riskCounter, 8);
    EXPECT_EQ(r.cab.Duble.frame, 1);
    EXPECT_EQ(r.s.outcome, 2);
    EXPECT_EQ(r.cab.Im[3].card, r.s.hand[3]);  // turned at once
    EXPECT_EQ(r.cab.Im[3].picture, QString::fromStdString(r.m.cards.name(r.s.hand[3])));
    EXPECT_EQ(r.cab.Im[0].picture, "R");
    EXPECT_TRUE(r.rowShown());
    EXPECT_TRUE(r.cab.BtnCash1.enabled);
    EXPECT_EQ(r.cab.message1.text, "Умножим?");
    for (const auto& p : r.cab.Im) EXPECT_FALSE(p.enabled);  // no second pick of the same deal
    EXPECT_FALSE(r.c.click(Ctl::Im1));
    EXPECT_EQ(r.sound.count(SoundId::Yes), 1);
    EXPECT_EQ(r.m.stats.higherLowerAttempts, 1);
    EXPECT_EQ(r.m.stats.higherLowerWins, 1);
    // the display step after a step: a second, then two with the deal button already shown
    EXPECT_EQ(r.pacer.waits[r.pacer.waits.size() - 2].ms, 1000);
    EXPECT_EQ(r.pacer.waits.back().ms, 2000);
    EXPECT_GT(r.pacer.waits.size(), waits);
    EXPECT_EQ(r.s.credits, 10000 - 1);

    // the next deal hides the dealer card of the last one before turning its own
    bool slotHidden = false;
    r.pacer.at(r.pacer.now + 10, [&] { slotHidden = !r.cab.crd(5).visible && !r.cab.cr(5).visible; });
    ASSERT_TRUE(r.dealWhere([](Card) { return true; }));
    EXPECT_TRUE(slotHidden);
    EXPECT_TRUE(r.cab.crd(5).visible);
}

TEST(HigherLower, AJokerDealerCardLosesToEveryPick) {
    std::set<int> ranks;
    for (int game = 0; game < 40; ++game) {
        HlRig r;
        r.clock.ms = 1000u * static_cast<std::uint32_t>(game);
        r.readyHL(Variant::JokerPoker, 1);
        r.win(kTwoPairs);
        ASSERT_TRUE(r.dealWhere([](Card d) { return d == kJoker; }));
        EXPECT_EQ(r.cab.crd(5).picture, "PP2");
        EXPECT_EQ(r.s.dealerRank, 1);
        // the first game picks the least card there is, a two; the others what comes
        ASSERT_TRUE(r.pickWhere(game % 5, [&](Card p) { return game > 0 || r.rank(p, false) == 2; }));
        ranks.insert(r.s.pickRank);
        EXPECT_EQ(r.s.outcome, 2);
        EXPECT_EQ(r.s.win, 6);
    }
    EXPECT_TRUE(ranks.count(2));
    EXPECT_GT(ranks.size(), 8u);
}

TEST(HigherLower, TheJokerIsNeverTheDealerCardBelowMinus90NorOutsideJokerPoker) {
    struct Case {
        Variant v;
        int fortune;
        bool jokerSeen;
    };
    for (const Case t : {Case{Variant::JokerPoker, -91, false}, Case{Variant::JokerPoker, -100, false},
                         Case{Variant::JackOrBetter, 0, false}, Case{Variant::DeucesWild, 0, false},
                         Case{Variant::JokerPoker, -90, true}, Case{Variant::JokerPoker, 0, true}}) {
        HlRig r;
        r.readyHL(t.v, 1);
        r.m.options.fortune[2] = t.fortune;
        bool joker = false;
        std::set<Card> seen;
        for (std::uint32_t seed = 1; seed < 4000; ++seed) {
            r.m.random = RandomSource(seed);
            const Card c = r.c.higherLower.drawDealerCard();
            joker |= c == kJoker;
            seen.insert(c);
        }
        EXPECT_EQ(joker, t.jokerSeen) << t.fortune;
        EXPECT_EQ(seen.size(), t.jokerSeen ? 53u : 52u) << t.fortune;
    }
}

TEST(HigherLower, APickedJokerBeatsEvenAnAce) {
    HlRig r;
    r.readyHL(Variant::JokerPoker, 1);
    r.win(kTwoPairs);
    ASSERT_TRUE(r.dealWhere([&](Card d) { return r.rank(d, true) == 14; }));
    ASSERT_TRUE(r.pickWhere(0, [](Card p) { return p == kJoker; }));
    EXPECT_EQ(r.cab.Im[0].picture, "PP2");
    EXPECT_EQ(r.s.pickRank, 15);
    EXPECT_EQ(r.s.outcome, 2);
    EXPECT_EQ(r.s.win, 6);
}

TEST(HigherLower, EqualRanksTieAndKeepTheWinAndTheLadder) {
    HlRig r;
    r.readyHL(Variant::JokerPoker, 1);
    r.win(kTwoPairs);
    r.winStep();
    ASSERT_EQ(r.s.win, 6);
    const int counter = r.s.riskCounter, frame = r.cab.Duble.frame;
    ASSERT_TRUE(r.dealWhere([&](Card d) { return r.rank(d, true) == 7; }));
    ASSERT_TRUE(r.pickWhere(4, [&](Card p) { return r.rank(p, false) == 7; }));
    EXPECT_NE(r.s.hand[4], r.dealer());  // another seven
    EXPECT_EQ(r.s.outcome, 3);
    EXPECT_EQ(r.sound.count(SoundId::Zvjak), 1);
    EXPECT_EQ(r.sound.count(SoundId::No), 0);
    EXPECT_EQ(r.s.win, 6);
    EXPECT_EQ(r.s.riskCounter, counter);
    EXPECT_EQ(r.cab.Duble.frame, frame);
    EXPECT_TRUE(r.rowShown());
    EXPECT_FALSE(r.s.boardReset);
    EXPECT_EQ(r.m.stats.higherLowerAttempts, 2);
    EXPECT_EQ(r.m.stats.higherLowerWins, 1);
    // and the step is played again
    r.winStep();
    EXPECT_EQ(r.s.win, 12);
    EXPECT_EQ(r.s.riskCounter, counter - 1);
}

TEST(HigherLower, ALostPickLosesTheWinAndResetsTheBoard) {
    HlRig r;
    r.readyHL(Variant::JokerPoker, 5);
    r.win(kTwoPairs);
    r.winStep();
    const int credits = r.s.credits;
    bool othersFaceDown = false;
    r.clock.ms += 1;
    ASSERT_TRUE(r.dealWhere([&](Card d) { return r.rank(d, true) > 2; }));
    r.pacer.at(r.pacer.now + 1000, [&] {  // during the wait after the loss
        othersFaceDown = r.cab.Im[0].picture == "R" && r.cab.Im[4].picture == "R" && r.cab.Im[2].picture != "R";
    });
    ASSERT_TRUE(r.pickWhere(2, [&](Card p) { return r.rank(p, false) < r.s.dealerRank; }));
    EXPECT_TRUE(othersFaceDown);  // without the reveal only the pick is turned
    EXPECT_EQ(r.s.win, 0);
    EXPECT_EQ(r.s.credits, credits);
    EXPECT_EQ(r.sound.count(SoundId::No), 1);
    EXPECT_EQ(r.pacer.waits.back().ms, 2000);
    EXPECT_TRUE(r.s.boardReset);
    EXPECT_FALSE(r.s.higherLowerActive);
    EXPECT_FALSE(r.cab.Panel4.visible || r.cab.RdBl.visible || r.cab.Duble.visible);
    for (const auto& p : r.cab.Im) EXPECT_TRUE(p.enabled);
    for (bool b : r.s.revealed) EXPECT_FALSE(b);
    // a click on a card place is again the poker game's
    EXPECT_TRUE(r.deal());
    EXPECT_EQ(r.s.phase, Phase::Dealt);
    r.toggle(1);
    EXPECT_TRUE(r.s.held[1]);
    EXPECT_EQ(r.m.stats.higherLowerAttempts, 2);
}

TEST(HigherLower, TheLossRevealShowsTheOtherCardsForTheDelay) {
    HlRig r;
    r.readyHL(Variant::JokerPoker, 1);
    r.m.options.lossReveal = true;
    r.m.options.lossRevealDelay = 10;
    r.win(kTwoPairs);
    ASSERT_TRUE(r.dealWhere([&](Card d) { return r.rank(d, true) > 2; }));
    Hand shown{};
    bool allFaces = false;
    std::size_t soundsBefore = r.sound.started.size();
    SoundId afterTurn = SoundId::None;
    const long start = r.pacer.now;
    r.pacer.at(start + 1500 + 5000, [&] {  // in the middle of the ten seconds
        allFaces = true;
        for (std::size_t j = 0; j < 5; ++j) {
            shown[j] = r.cab.Im[j].card;
            allFaces &= r.cab.Im[j].picture == QString::fromStdString(r.m.cards.name(shown[j]));
        }
        afterTurn = r.sound.started.back().id;
    });
    ASSERT_TRUE(r.pickWhere(1, [&](Card p) { return r.rank(p, false) < r.s.dealerRank; }));
    const Card picked = r.s.hand[1];
    EXPECT_TRUE(allFaces);
    EXPECT_EQ(shown[1], picked);
    std::set<Card> distinct(shown.begin(), shown.end());
    EXPECT_EQ(distinct.size(), 5u);
    EXPECT_FALSE(distinct.count(r.s.historyCards[4]));
    for (Card c : shown) EXPECT_TRUE(inDeck(Variant::JokerPoker, c));
    EXPECT_EQ(afterTurn, SoundId::Card);  // the fifth place was turned
    EXPECT_GT(r.sound.started.size(), soundsBefore);
    ASSERT_GE(r.pacer.waits.size(), 2u);
    EXPECT_EQ(r.pacer.waits[r.pacer.waits.size() - 2].ms, 1500);
    EXPECT_EQ(r.pacer.waits.back().ms, 10000);
    EXPECT_EQ(r.waits('p', 2000), 1);  // only the offer's
    EXPECT_TRUE(r.s.boardReset);
    for (bool b : r.s.revealed) EXPECT_FALSE(b);

    // a delay of 1 shows them for a second; picking place 5 itself plays no card sound
    HlRig q;
    q.readyHL(Variant::JackOrBetter, 1);
    q.m.options.lossReveal = true;
    q.m.options.lossRevealDelay = 1;
    q.win("JH JB 5K 8V 2H");
    ASSERT_TRUE(q.dealWhere([&](Card d) { return q.rank(d, true) > 2; }));
    const std::size_t before = q.sound.started.size();
    ASSERT_TRUE(q.pickWhere(4, [&](Card p) { return q.rank(p, false) < q.s.dealerRank; }));
    EXPECT_EQ(q.pacer.waits.back().ms, 1000);
    EXPECT_EQ(q.sound.started.size(), before + 1);  // "no" only
    EXPECT_EQ(q.sound.started.back().id, SoundId::No);
}

TEST(HigherLower, DeucesWildThreeOfAKindGivesEightPicksUnlessAlwaysSeven) {
    for (bool alwaysSeven : {false, true}) {
        HlRig r;
        r.readyHL(Variant::DeucesWild, 1, alwaysSeven);
        r.win("5H 5B 5K 9V KH");
        EXPECT_EQ(r.s.riskCounter, alwaysSeven ? 9 : 10);
        EXPECT_EQ(r.cab.Duble.frame, 0);
        const int picks = alwaysSeven ? 7 : 8;
        for (int i = 1; i < picks; ++i) {
            r.winStep(i % 5);
            ASSERT_TRUE(r.rowShown()) << i;
            EXPECT_EQ(r.s.win, 1 << i);
            // counter 10 and 9 both stand at the bottom
            EXPECT_EQ(r.cab.Duble.frame, risk::frameOf(r.s.riskCounter));
        }
        EXPECT_EQ(r.s.riskCounter, 3);
        r.winStep();
        EXPECT_EQ(r.s.riskCounter, 2);
        EXPECT_FALSE(r.cab.BtnYes1.visible || r.cab.BtnHalf1.visible);
        EXPECT_TRUE(r.cab.BtnCash1.visible && r.cab.BtnCash1.enabled);
        EXPECT_TRUE(r.cab.CashOut1.playing && r.cab.Duble.playing);
        EXPECT_FALSE(r.cab.message1.visible);
        EXPECT_EQ(r.s.win, r.s.maxWin);
        EXPECT_EQ(r.s.maxWin, alwaysSeven ? 128 : r.payLine(1));
        EXPECT_EQ(r.musicPort.opens, 1);
        EXPECT_EQ(r.m.stats.higherLowerWins, picks);
    }
}

TEST(HigherLower, TheWinAfterAPickNeverExceedsTheMaximum) {
    // two pairs at bet 1: 3 doubles to 192 in six picks; the seventh would
    // make 384 of a maximum of 300
    HlRig r;
    r.readyHL(Variant::JokerPoker, 1);
    r.win(kTwoPairs);
    for (int i = 1; i <= 6; ++i) {
        r.winStep();
        ASSERT_LE(r.s.win, r.s.maxWin);
    }
    ASSERT_EQ(r.s.win, 192);
    ASSERT_TRUE(r.dealWhere([&](Card d) { return r.rank(d, true) < 14; }));
    int duringStep = -1;
    // inside the display step's first second, before the top sets anything
    r.pacer.at(r.pacer.now + 100, [&] { duringStep = r.s.win; });
    ASSERT_TRUE(r.pickWhere(0, [&](Card p) { return r.rank(p, false) > r.s.dealerRank; }));
    EXPECT_EQ(duringStep, 300);
    EXPECT_EQ(r.s.win, 300);
    EXPECT_EQ(r.cab.RxLabel23.text, "300");

    // after taking half the cap is the halved maximum
    HlRig h;
    h.readyHL(Variant::JokerPoker, 1);
    h.win(kTwoPairs);
    for (int i = 0; i < 5; ++i) h.winStep();
    ASSERT_EQ(h.s.win, 96);
    ASSERT_TRUE(h.c.click(Ctl::BtnHalf1));
    ASSERT_EQ(h.s.win, 48);
    ASSERT_EQ(h.s.maxWin, 150);
    h.winStep();
    EXPECT_EQ(h.s.win, 96);
    h.winStep();
    EXPECT_EQ(h.s.win, 150);
    EXPECT_EQ(h.s.riskCounter, 2);
}

TEST(HigherLower, HandsWithNoPickGoStraightToTheTopAndKeepTheirOwnLine) {
    struct Case {
        Variant v;
        const char* hand;
        int line;
    };
    const Case cases[] = {
        {Variant::JokerPoker, "AH KH QH JH 1H", 2},    // royal flush: 150, not the 300 of line 1
        {Variant::JackOrBetter, "AH KH QH JH 1H", 1},  // royal flush on the first line, not line 2's straight flush
        {Variant::DeucesWild, "2H 2B 2K 2V 5H", 2},    // four deuces: 200, not 250
    };
    for (const Case& t : cases) {
        HlRig r;
        r.readyHL(t.v, 1);
        const int own = r.payLine(t.line);
        r.win(t.hand);
        SCOPED_TRACE(t.hand);
        EXPECT_EQ(r.s.maxWin, own);
        EXPECT_EQ(r.s.win, own);
        EXPECT_FALSE(r.cab.BtnYes1.visible || r.cab.BtnHalf1.visible);
        EXPECT_TRUE(r.cab.BtnCash1.visible && r.cab.BtnCash1.enabled);
        EXPECT_TRUE(r.cab.CashOut1.playing && r.cab.Duble.playing);
        EXPECT_FALSE(r.c.click(Ctl::BtnYes1));
        const int credits = r.s.credits;
        ASSERT_TRUE(r.c.click(Ctl::BtnCash1));
        EXPECT_EQ(r.s.credits, credits + own);
        EXPECT_TRUE(r.s.boardReset);
    }
}

TEST(HigherLower, TheFortuneThrowsBackLosingOrWinningCandidates) {
    // the draw, candidate by candidate: a roll and a code each
    auto trace = [](std::uint32_t seed, Card dealer, int dealerRank, int f, const CardImageTable& names) {
        RandomSource r(seed);
        int thrownBack = 0;
        for (;;) {
            const int roll = r.next(101);
            const Card c = r.next(53);
            if (c == dealer) continue;
            const int rank = higherlower::pickRank(names.name(c));
            if ((f > 0 && f > roll && dealerRank > rank) || (f < 0 && -f > roll && dealerRank < rank)) {
                ++thrownBack;
                continue;
            }
            return std::pair{c, thrownBack};
        }
    };
    HlRig r;
    r.readyHL(Variant::JokerPoker, 1);
    const Card dealer = test::hand("9H 2B 3B 4B 5B")[0];
    r.s.historyCards[4] = dealer;
    r.s.dealerRank = 9;
    int thrown = 0;
    for (int f : {100, 50, -50, -100}) {
        r.m.options.fortune[2] = f;
        int lost = 0, won = 0, n = 0;
        for (std::uint32_t seed = 1; seed < 3000; seed += 3, ++n) {
            r.m.random = RandomSource(seed);
            const Card c = r.c.higherLower.drawPick(0);
            const auto [expected, back] = trace(seed, dealer, 9, f, r.m.cards);
            ASSERT_EQ(c, expected) << f << " " << seed;
            EXPECT_EQ(r.s.hand[0], c);
            thrown += back;
            const int rank = higherlower::pickRank(r.m.cards.name(c));
            lost += rank < 9;
            won += rank > 9;
        }
        // fairly, against a nine: 28 of 52 lower, 20 higher (the joker among them)
        if (f == 100) {
            EXPECT_LT(lost, n / 20);
        }
        if (f == -100) {
            EXPECT_LT(won, n / 20);
        }
        if (f == 50) {
            EXPECT_GT(won, lost);
        }
        if (f == -50) {
            EXPECT_GT(lost, 2 * won);
        }
    }
    EXPECT_GT(thrown, 1000);

    // the fortune never throws back a card in its own favour: at +100 against
    // a joker dealer card every candidate but a repeat is kept
    r.m.options.fortune[2] = 100;
    r.s.historyCards[4] = kJoker;
    r.s.dealerRank = 1;
    for (std::uint32_t seed = 1; seed < 200; ++seed) {
        r.m.random = RandomSource(seed);
        const Card c = r.c.higherLower.drawPick(3);
        EXPECT_EQ(trace(seed, kJoker, 1, 100, r.m.cards).second, 0);
        EXPECT_NE(c, kJoker);
    }
}

TEST(HigherLower, OutsideJokerPokerNoPickIsTheJokerNorTheDealerCard) {
    HlRig r;
    r.readyHL(Variant::DeucesWild, 1);
    const Card dealer = test::hand("QV 2B 3B 4B 5B")[0];
    r.s.historyCards[4] = dealer;
    r.s.dealerRank = 12;
    std::set<Card> seen;
    for (std::uint32_t seed = 1; seed < 3000; ++seed) {
        r.m.random = RandomSource(seed);
        seen.insert(r.c.higherLower.drawPick(1));
    }
    EXPECT_EQ(seen.size(), 51u);
    EXPECT_FALSE(seen.count(kJoker));
    EXPECT_FALSE(seen.count(dealer));
}

TEST(HigherLower, CountersStandStillWhileStatisticsAreOff) {
    HlRig r;
    r.readyHL(Variant::JokerPoker, 1);
    r.m.options.fortune[0] = 5;
    r.m.options.statisticsOff = true;
    r.win(kTwoPairs);
    r.winStep();
    r.loseStep();
    EXPECT_EQ(r.m.stats.higherLowerAttempts, 0);
    EXPECT_EQ(r.m.stats.higherLowerWins, 0);

    r.m.options.fortune[0] = 0;
    r.m.options.statisticsOff = false;
    r.win(kTwoPairs);
    r.winStep();
    r.loseStep();
    EXPECT_EQ(r.m.stats.higherLowerAttempts, 2);
    EXPECT_EQ(r.m.stats.higherLowerWins, 1);
}

TEST(HigherLower, HeartbeatAtCountersFourAndThreeAndABonusPlaysTwoPicks) {
    // a bonus: 100 at stake, maximum 400, counter 4; it plays the game the
    // last win chose
    HlRig r;
    r.readyHL(Variant::JokerPoker, 30);
    r.win(kTwoPairs);
    ASSERT_TRUE(r.c.click(Ctl::BtnCash1));
    r.s.bonusPools[0] = 90;
    r.m.setBonusDisplay(90);
    r.win("KH KB 3K 5V 8H");
    EXPECT_EQ(r.s.win, 100);
    EXPECT_EQ(r.s.maxWin, 400);
    EXPECT_EQ(r.cab.Duble.frame, 5);
    EXPECT_EQ(r.sound.started.back().id, SoundId::Serdze);
    ASSERT_TRUE(r.dealWhere([&](Card d) { return r.rank(d, true) < 14; }));
    EXPECT_EQ(r.sound.started.back().id, SoundId::Serdze);  // the deal at counter 4 beats again
    EXPECT_TRUE(r.sound.started.back().loop);
    ASSERT_TRUE(r.pickWhere(0, [&](Card p) { return r.rank(p, false) > r.s.dealerRank; }));
    EXPECT_EQ(r.cab.Duble.frame, 6);
    r.winStep();
    EXPECT_EQ(r.s.win, 400);
    EXPECT_TRUE(r.cab.CashOut1.playing);
}

TEST(HigherLower, ClosingInTheMiddleOfADealUnwindsIt) {
    HlRig r;
    r.readyHL(Variant::JokerPoker, 1);
    r.win(kTwoPairs);
    int unwound = 0;
    r.c.setUnwoundCallback([&] { ++unwound; });
    r.pacer.at(r.pacer.now + 600, [&] { r.pacer.closing = true; });
    r.c.click(Ctl::BtnYes1);
    EXPECT_EQ(unwound, 1);
    EXPECT_EQ(r.c.depth(), 0);
    EXPECT_FALSE(r.placesPickable());  // the deal never got to offer its cards
    EXPECT_EQ(r.s.win, 3);
}
