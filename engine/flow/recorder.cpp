#include "recorder.h"

namespace talvern {

using recall::Step;

void GameRecorder::newGame(int bet, int creditsBefore, int charged) {
    // A first deal over a first deal (every hold turned off, Deal again):
    // the earlier game was left with its bet.
    if (game_) gameOver(creditsBefore);
    recall::GameRecord r;
    r.time = now_ ? now_() : std::string();
    r.run = run_;
    r.bet = bet;
    r.creditsBefore = creditsBefore;
    r.charged = charged;
    r.handClass = cls::NoHand;  // until the draw is evaluated
    game_ = std::move(r);
    dealt_ = false;
}

void GameRecorder::firstDeal(Variant v, bool counted, const recall::Deal& deal) {
    if (!game_ || dealt_) return;
    game_->variant = v;
    game_->counted = counted;
    game_->deal = deal;
    dealt_ = true;
}

void GameRecorder::charged(int amount) {
    if (game_) game_->charged = addSaturated(game_->charged, amount);
}

void GameRecorder::draw(Variant v, const Hand& from, const recall::Draw& draw) {
    if (!game_ || !dealt_ || game_->draw) return;
    recall::Draw d = draw;
    if (from != game_->deal.cards) d.from = from;
    if (v != game_->variant) d.variant = v;
    game_->draw = d;
}

void GameRecorder::result(char handClass, int line, int win) {
    if (!game_) return;
    game_->handClass = handClass;
    game_->line = line;
    game_->win = win;
}

void GameRecorder::loaded(int amount) {
    if (game_) game_->loaded = addSaturated(game_->loaded, amount);
}

void GameRecorder::riskGame(RiskChoice played) {
    if (!game_) return;
    switch (played) {
    case RiskChoice::RedBlack: game_->riskGame = recall::RiskGame::RedBlack; break;
    case RiskChoice::HigherLower: game_->riskGame = recall::RiskGame::HigherLower; break;
    case RiskChoice::RussianRoulette: game_->riskGame = recall::RiskGame::Roulette; break;
    default: game_->riskGame = recall::RiskGame::None; break;
    }
}

void GameRecorder::drawnAtRandom() {
    if (game_) game_->riskAtRandom = true;
}

Step& GameRecorder::add(Step::Kind kind, std::optional<std::uint32_t> seed) {
    Step& s = game_->steps.emplace_back();
    s.kind = kind;
    s.seed = seed;
    return s;
}

void GameRecorder::credit(int amount) {
    if (game_) add(Step::Kind::Credit).amount = amount;
}

void GameRecorder::bonus(int pool, int level, bool paid, int win, int jackPot) {
    if (!game_) return;
    Step& s = add(Step::Kind::Bonus);
    s.amount = pool;
    s.level = level;
    s.right = paid;
    if (paid) {
        s.win = win;
        s.jackPot = jackPot;
    }
}

void GameRecorder::colourStep(std::uint32_t seed, riskdraw::Guess guess, int fortune, bool counted,
                              const riskdraw::Colour& colour, int slot, Card card, bool right, int winAfter) {
    if (!game_) return;
    Step& s = add(Step::Kind::Colour, seed);
    s.guess = guess;
    s.fortune = fortune;
    s.counted = counted;
    s.roll = colour.roll;
    s.black = colour.black;
    s.draw = colour.kind;
    s.slot = slot;
    s.card = card;
    s.right = right;
    s.win = winAfter;
}

void GameRecorder::nextCard(std::uint32_t seed, int slot, Card card) {
    if (!game_) return;
    Step& s = add(Step::Kind::NextCard, seed);
    s.slot = slot;
    s.card = card;
}

void GameRecorder::higherLowerDeal(std::uint32_t seed, int fortune, Card dealer) {
    if (!game_) return;
    Step& s = add(Step::Kind::Deal, seed);
    s.fortune = fortune;
    s.card = dealer;
}

void GameRecorder::higherLowerPick(std::uint32_t seed, int fortune, int place, Card card, int outcome, int winAfter) {
    if (!game_) return;
    Step& s = add(Step::Kind::Pick, seed);
    s.fortune = fortune;
    s.place = place + 1;
    s.card = card;
    s.outcome = outcome;
    s.right = outcome == 2;
    s.win = winAfter;
}

void GameRecorder::revealRest(std::uint32_t seed, const Hand& places, const std::array<bool, 5>& turned) {
    if (!game_) return;
    Step& s = add(Step::Kind::Reveal, seed);
    s.cards = places;
    s.turned = turned;
}

void GameRecorder::pull(std::uint32_t seed, int shot, int chambers) {
    if (!game_) return;
    Step& s = add(Step::Kind::Pull, seed);
    s.shot = shot;
    s.chambers = chambers;
    s.right = shot < chambers;
}

void GameRecorder::pullWin(int win) {
    if (!game_ || game_->steps.empty() || game_->steps.back().kind != Step::Kind::Pull) return;
    game_->steps.back().win = win;
}

void GameRecorder::top(int win) {
    if (game_) add(Step::Kind::Top).win = win;
}

void GameRecorder::take(int amount) {
    if (game_) add(Step::Kind::Take).amount = amount;
}

void GameRecorder::half(int amount, int winLeft) {
    if (!game_) return;
    Step& s = add(Step::Kind::Half);
    s.amount = amount;
    s.win = winLeft;
}

void GameRecorder::testHand(const Hand& cards, char handClass, int win) {
    if (!game_) return;
    Step& s = add(Step::Kind::TestHand);
    s.cards = cards;
    s.handClass = handClass;
    s.win = win;
}

void GameRecorder::jackPotOpened(int amount) {
    if (game_) add(Step::Kind::JackPot).amount = amount;
}

void GameRecorder::jackPotGuess(std::uint32_t seed, int fortune, int chosen, int joker, bool hit) {
    if (!game_) return;
    Step& s = add(Step::Kind::JackPotGuess, seed);
    s.fortune = fortune;
    s.place = chosen + 1;
    s.joker = joker + 1;
    s.right = hit;
}

void GameRecorder::jackPotClosed(int paid, int jackPotAfter) {
    if (!game_) return;
    Step& s = add(Step::Kind::JackPotClose);
    s.amount = paid;
    s.jackPot = jackPotAfter;
}

void GameRecorder::jackPotShown(int amount) {
    if (!game_ || game_->steps.empty() || game_->steps.back().kind != Step::Kind::JackPotClose) return;
    game_->steps.back().jackPot = amount;
}

void GameRecorder::gameOver(int creditsAfter) {
    if (!game_) return;
    recall::GameRecord r = std::move(*game_);
    game_.reset();
    if (!dealt_) return;
    r.creditsAfter = creditsAfter;
    ++recorded_;
    if (sink_) sink_(r);
}

} // namespace talvern
