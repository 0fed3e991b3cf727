#pragma once
// The recorder of the game recall: the flows tell it what they deal, draw,
// turn, pull and pay, at the moment they do it, and it hands each game on
// as one record once the game is over (after its risk game and its Jack
// Pot). It knows nothing of files: the store gives it a sink.
#include <functional>
#include <optional>
#include <string>

#include "machine.h"
#include "recall.h"

namespace talvern {

class GameRecorder {
public:
    using Sink = std::function<void(const recall::GameRecord&)>;
    using Now = std::function<std::string()>;

    void setSink(Sink sink) { sink_ = std::move(sink); }
    void setNow(Now now) { now_ = std::move(now); }
    void setRun(int run) { run_ = run; }

    // The Deal button of a first deal, before it charges: a game begins (the
    // one before it, if still open, was left after its own first deal).
    void newGame(int bet, int creditsBefore, int charged);
    // Its cards; a game that ends before it has them is no game to recall.
    void firstDeal(Variant v, bool counted, const recall::Deal& deal);
    // The Deal button of a draw charges (nothing when all five are held).
    void charged(int amount);
    void draw(Variant v, const Hand& from, const recall::Draw& draw);
    void result(char handClass, int line, int win);
    void loaded(int amount);

    // What follows a win.
    void riskGame(RiskChoice played);
    void drawnAtRandom();
    void credit(int amount);
    void bonus(int pool, int level, bool paid, int win, int jackPot);
    void colourStep(std::uint32_t seed, riskdraw::Guess guess, int fortune, bool counted, const riskdraw::Colour& colour,
                    int slot, Card card, bool right, int winAfter);
    void nextCard(std::uint32_t seed, int slot, Card card);
    void higherLowerDeal(std::uint32_t seed, int fortune, Card dealer);
    void higherLowerPick(std::uint32_t seed, int fortune, int place, Card card, int outcome, int winAfter);
    void revealRest(std::uint32_t seed, const Hand& places, const std::array<bool, 5>& turned);
    void pull(std::uint32_t seed, int shot, int chambers);
    // The amount at stake once the pull's outcome is shown.
    void pullWin(int win);
    void top(int win);
    void take(int amount);
    void half(int amount, int winLeft);
    void testHand(const Hand& cards, char handClass, int win);
    void jackPotOpened(int amount);
    void jackPotGuess(std::uint32_t seed, int fortune, int chosen, int joker, bool hit);
    void jackPotClosed(int paid, int jackPotAfter);
    // The Jack Pot the cabinet shows after a miss closed the window.
    void jackPotShown(int amount);

    // The game is over: its record goes to the sink. Nothing happens when no
    // game is open, so every place that may end a game can say so.
    void gameOver(int creditsAfter);

    bool gameOpen() const { return game_.has_value(); }
    // The game open now, once its cards are dealt.
    const recall::GameRecord* current() const { return game_ && dealt_ ? &*game_ : nullptr; }
    long recorded() const { return recorded_; }

private:
    recall::Step& add(recall::Step::Kind kind, std::optional<std::uint32_t> seed = std::nullopt);
    std::optional<recall::GameRecord> game_;
    Sink sink_;
    Now now_;
    int run_ = 0;
    long recorded_ = 0;
    bool dealt_ = false;
};

} // namespace talvern
