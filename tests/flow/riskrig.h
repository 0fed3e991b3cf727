#pragma once
// A cabinet with the Red-Black game plugged in, a music player that records,
// and the helpers the risk-game tests share: start a game from a chosen
// winning hand, and find clock values that make the next guess come out as
// a test needs it.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <unistd.h>

#include "hands.h"
#include "rig.h"

namespace talvern::test {

struct MusicSpy : MusicPort {
    bool playing = false;
    int opens = 0, stops = 0, closes = 0;
    bool open(const std::string&) override {
        ++opens;
        playing = true;
        return true;
    }
    bool isPlaying() const override { return playing; }
    void stop() override {
        ++stops;
        playing = false;
    }
    void close() override {
        ++closes;
        playing = false;
    }
};

struct RiskRig : Rig {
    MusicSpy musicPort;
    Music music{musicPort, m.options.soundOn};
    int timerRuns = 0, timerStops = 0;
    std::filesystem::path midi = std::filesystem::temp_directory_path() /
                                 ("talvern-risk-" + std::to_string(::getpid()) + ".mid");

    RiskRig() {
        c.wins.setRiskGames(&c.risk);
        std::ofstream(midi) << "MThd";
        music.setFile(midi.string());
        music.setTimer([this](bool run) { run ? ++timerRuns : ++timerStops; });
        m.music = &music;
    }
    ~RiskRig() { std::filesystem::remove(midi); }

    void ready(Variant v, int bet, bool alwaysSeven = false) {
        m.options.variant = v;
        m.options.riskChoice = RiskChoice::RedBlack;
        m.options.alwaysSeven = s.alwaysSeven = alwaysSeven;
        m.cards.setBuiltInDeck(v);
        m.setPayCaptions(v);
        m.setCredits(10000);
        m.setBet(bet);
        s.bonusLevel = bonusClassOf(bet).level;
        m.refreshPayValues();
        m.hideCover();
    }

    // Draws this final hand (all five held) and lets the win handling start
    // Red-Black; returns when the game waits for the player.
    void win(const std::string& text) {
        finalHand(hand(text));
        deal();
    }

    int payLine(int line) const { return cab.payValue[static_cast<std::size_t>(line - 1)].text.toInt(); }

    // What a natural draw of the step would turn for this clock value: the
    // same random calls in the same order as the machine makes them.
    Card naturalCard(std::uint32_t ms, Ctl guess, bool* black = nullptr) const {
        RandomSource r(ms);
        bool b = guess == Ctl::BtnBlack;
        if (guess == Ctl::BtnNo) b = r.next(100) < 50;
        else r.next(101);
        if (black) *black = b;
        const int k = 10 - (s.riskCounter == 10 ? 9 : s.riskCounter);
        for (;;) {
            const Card card = r.next(53);
            if (!inDeck(m.options.variant, card)) continue;
            bool seen = false;
            for (Card h : s.hand) seen |= h == card;
            for (Card h : s.handBeforeDraw) seen |= h == card;
            for (int j = 0; j < k - 1; ++j) seen |= s.historyCards[static_cast<std::size_t>(j)] == card;
            if (!seen) return card;
        }
    }
    bool rightGuess(std::uint32_t ms, Ctl guess) const {
        bool black = false;
        const Card card = naturalCard(ms, guess, &black);
        return card == kJoker || (black ? isBlack(card) : isRed(card));
    }
    // Sets the clock so the next natural guess turns a card that passes pred.
    void clockFor(const std::function<bool(std::uint32_t ms)>& pred) {
        for (std::uint32_t ms = clock.ms + 1;; ++ms)
            if (pred(ms)) {
                clock.ms = ms;
                return;
            }
    }
    bool guessRight(Ctl guess) {
        clockFor([&](std::uint32_t ms) { return rightGuess(ms, guess); });
        return c.click(guess);
    }
    bool guessWrong(Ctl guess) {
        clockFor([&](std::uint32_t ms) { return !rightGuess(ms, guess); });
        return c.click(guess);
    }
    // The fortune roll of the next colour guess for a clock value.
    static int rollOf(std::uint32_t ms) {
        RandomSource r(ms);
        return r.next(101);
    }

    int waits(char kind, int ms) const {
        int n = 0;
        for (const auto& w : pacer.waits) n += w.kind == kind && w.ms == ms;
        return n;
    }
    bool colourButtonsShown() const { return cab.BtnRed.visible && cab.BtnBlack.visible && cab.BtnNo.visible; }
};

} // namespace talvern::test
