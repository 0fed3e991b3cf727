#pragma once
// A player who plays whole games through the machine's flows in virtual time
// and keeps every record the recorder hands on: the games of a recall file
// as the real machine would write them, for the window's tests, pictures
// and timing.
#include <random>

#include "../flow/rig.h"
#include "recallfile.h"

namespace talvern::test {

struct RecallPlayer : Rig {
    std::mt19937 rng;
    std::vector<recall::GameRecord> games;

    explicit RecallPlayer(std::uint32_t seed, int run) : rng(seed) {
        c.wins.setRiskGames(&c.risk);
        m.recorder.setRun(run);
        m.recorder.setSink([this](const recall::GameRecord& g) { games.push_back(g); });
        c.game.setJackPotWindow([this] {
            c.jackPot.open();
            c.jackPotKey(false);
            while (!c.jackPot.closed()) {
                c.jackPotCard(static_cast<int>(rng() % 3));
                tick();
                c.jackPotConfirm();
            }
        });
        setBet(5);
    }

    void setBet(int bet) {
        while (s.bet != bet) c.click(s.bet < bet ? Ctl::btnbet2 : Ctl::btnbet1);
    }
    void tick() { clock.ms = (clock.ms + 700 + static_cast<std::uint32_t>(rng() % 5000)) % 86400000u; }
    bool usable(const Control& ctl) const { return ctl.visible && ctl.enabled; }

    // Plays until `count` more games are recorded; the record's time is
    // `start` plus a minute a game.
    void play(int count, Variant v, RiskChoice choice, const QDateTime& start) {
        m.options.variant = v;
        m.cards.setBuiltInDeck(v);
        m.setPayCaptions(v);
        m.refreshPayValues();
        m.options.riskChoice = choice;
        m.options.lossReveal = true;
        m.options.bloodOff = true;
        const std::size_t target = games.size() + static_cast<std::size_t>(count);
        int minute = 0;
        m.recorder.setNow([&] { return start.addSecs(60 * minute++).toString(Qt::ISODate).toStdString(); });
        for (int guard = 0; games.size() < target && guard < 100000; ++guard) {
            if (s.credits < 2 * s.bet) c.click(Ctl::btnpay);
            tick();
            if (cab.Panel3.visible) {
                const int r = static_cast<int>(rng() % 10);
                c.click(r < 4 ? Ctl::BtnRed : r < 7 ? Ctl::BtnBlack : r < 8 ? Ctl::Btn12 : Ctl::BtnCash);
                if (cab.Panel3.visible && cab.CashOut.playing) c.click(Ctl::BtnCash);
            } else if (cab.Panel4.visible) {
                if (s.higherLowerActive && usable(cab.Im[0])) {
                    toggle(static_cast<int>(rng() % 5));
                } else if (usable(cab.BtnYes1) && rng() % 4) {
                    c.click(Ctl::BtnYes1);
                } else {
                    c.click(Ctl::BtnCash1);
                }
            } else if (s.phase == Phase::Dealt) {
                if (!s.anyHeld()) toggle(static_cast<int>(rng() % 5));
                deal();
            } else {
                deal();
            }
        }
        m.recorder.setNow({});
    }
};

} // namespace talvern::test
