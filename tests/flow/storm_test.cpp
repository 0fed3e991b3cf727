// Input storms: random clicks and keys against the game flows, between the
// steps and inside every pause and event run, over many games of every
// variant and every risk game, and against the Jack Pot window while it
// counts up and pays. The test keeps the machine's books itself, from what it
// did (loads, the bet in force at every charging Deal) and from what the
// machine offered (the pay table at the charged bet, the ladder the player
// saw, the cards it turned, the thirds of the Jack Pot), and checks them and
// the nesting of the steps after every step. Every run is seeded; a fault
// names its seed and the last things the storm did.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <functional>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "hands.h"
#include "jackpot.h"
#include "riskrig.h"

using namespace talvern;

namespace {

constexpr int kKeyEnter = 0x01000004;
constexpr int kKeyEscape = 0x01000000;
constexpr int kKeyF1 = 0x01000030;
constexpr int kKeyF12 = 0x0100003b;
constexpr int kMaxDepth = 8;        // a storm deeper than this only adds time
constexpr int kDayMs = 86400000;

const char* ctlName(Ctl c) {
    static const char* const names[] = {
        "Deal",     "btnpay",   "btnbet1", "btnbet2",  "Im1",     "Im2",     "Im3",    "Im4",     "Im5",     "Image6",
        "btnoptions", "btntotal", "btnexit", "btnClose", "btnhelp", "btnabout", "btnminimize", "Imwind", "Imminim",
        "Panel2",   "BtnRed",   "BtnBlack", "BtnNo",   "BtnCash", "Btn12",   "BtnCash1", "BtnHalf1", "BtnYes1"};
    return names[static_cast<int>(c)];
}
constexpr int kControls = static_cast<int>(Ctl::BtnYes1) + 1;

bool isPlace(Ctl c) { return c >= Ctl::Im1 && c <= Ctl::Im5; }
int placeOf(Ctl c) { return static_cast<int>(c) - static_cast<int>(Ctl::Im1); }
// The controls whose click is a step of a game (loading, the information
// buttons and the window buttons are not).
bool isGameStep(Ctl c) {
    return c == Ctl::Deal || c == Ctl::btnbet1 || c == Ctl::btnbet2 || isPlace(c) || c == Ctl::Image6 ||
           c >= Ctl::BtnRed;
}
bool face(Card c) { return c >= 0 && c <= 52; }

// The rules' own arithmetic, written here again so the books do not lean on
// the code they check.
int naturalRank(Card c) {
    const int r = (c - 1) % 13 + 1;
    return r == 1 ? 14 : r;
}
int dealerRankOf(Card c) { return c == kJoker ? 1 : naturalRank(c); }
int pickRankOf(Card c) { return c == kJoker ? 15 : naturalRank(c); }
long long rung(long long v, double percent) {
    const double d = static_cast<double>(v);
    return static_cast<long long>(std::trunc(d + (d / 100.0 * percent + 1.0)));
}
constexpr std::array<int, 4> kBonusLevels{100, 400, 500, 1000};

enum class Kind { None, RedBlack, HigherLower, Roulette };
const char* kindName(Kind k) {
    switch (k) {
    case Kind::RedBlack: return "Red-Black";
    case Kind::HigherLower: return "Higher-Lower";
    case Kind::Roulette: return "Russian Roulette";
    default: return "none";
    }
}
const char* variantName(Variant v) {
    switch (v) {
    case Variant::JokerPoker: return "Joker Poker";
    case Variant::JackOrBetter: return "Jack or Better";
    default: return "Deuces Wild";
    }
}
const char* choiceName(RiskChoice c) {
    switch (c) {
    case RiskChoice::RedBlack: return "Red-Black";
    case RiskChoice::HigherLower: return "Higher-Lower";
    case RiskChoice::RussianRoulette: return "Russian Roulette";
    case RiskChoice::Random: return "random";
    default: return "none";
    }
}

// Every wait of the flows, in virtual time; the storm sits in onWait.
class StormPacer : public Pacer {
public:
    long now = 0;
    bool closing = false;
    std::function<void(char kind, int ms)> onWait;

    void pause(int ms) override { wait('p', ms); }
    void hold(int ms) override { wait('h', ms); }
    void processEvents() override { wait('e', 0); }

private:
    void wait(char kind, int ms) {
        if (closing) throw Unwind{};
        now += ms;
        if (onWait) onWait(kind, ms);
        if (closing) throw Unwind{};
    }
};

// The windows around the cabinet. The about box and the totals are modal,
// the settings and a minimised window are left and come back: each time the
// cabinet is activated again, which refreshes the pay table.
struct StormWindow : WindowPort {
    std::function<void()> activated;
    std::function<void()> closing;
    bool answer = false;
    int asked = 0, closed = 0;
    bool ask(const QString&) override {
        ++asked;
        return answer;
    }
    void openAddress(const QString&) override {}
    void openHelp() override {}
    void showAbout() override { activate(); }
    void showTotals() override { activate(); }
    void showSettings() override { activate(); }
    void minimize() override { activate(); }
    void toggleFullScreen() override {}
    void closeWindow() override {
        ++closed;
        if (closing) closing();
    }
    void activate() {
        if (activated) activated();
    }
};

// What the player sees at one moment.
struct Snap {
    long stamp = 0;
    bool panel3 = false, panel4 = false, rusrul = false;
    bool topRB = false, topP4 = false, cover = false;
    long long win = 0, rr = 0, maxWin = 0;
    int bet = 0, credits = 0, pool = 0, jackPot = 0;
    std::array<bool, 5> held{};
    Card dealer = kNoCard;
    bool idle() const { return !panel3 && !panel4; }
    bool anyHeld() const { return held[0] || held[1] || held[2] || held[3] || held[4]; }
    bool allHeld() const { return held[0] && held[1] && held[2] && held[3] && held[4]; }
};

// A card that came face up: where 1..7 a history slot, 10 + pos a card place.
struct Reveal {
    long stamp;
    int where;
    Card card;
};

struct Figures {
    long runs = 0, games = 0, wins = 0, bonuses = 0, jackPots = 0, riskSteps = 0;
    long fired = 0, firedInside = 0, accepted = 0, acceptedInside = 0, dropped = 0, keys = 0;
    long jackPotInputs = 0, jackPotInside = 0;
    long emptiedInside = 0;  // games taken by halves to nothing inside another step
    long recorded = 0, planted = 0;  // games the recall holds; of them laid by the storm
    void add(const Figures& o) {
        recorded += o.recorded, planted += o.planted;
        runs += o.runs, games += o.games, wins += o.wins, bonuses += o.bonuses, jackPots += o.jackPots;
        riskSteps += o.riskSteps, fired += o.fired, firedInside += o.firedInside, accepted += o.accepted;
        acceptedInside += o.acceptedInside, dropped += o.dropped, keys += o.keys;
        jackPotInputs += o.jackPotInputs, jackPotInside += o.jackPotInside;
        emptiedInside += o.emptiedInside;
    }
};

struct StormSetup {
    Variant variant = Variant::JokerPoker;
    RiskChoice choice = RiskChoice::RedBlack;
    double plant = 0.12;          // chance to lay a chosen final hand after a first deal
    double plantJackPot = 0.3;    // of which a hand that earns the Jack Pot
    double insidePause = 0.45;    // chance of input inside a pause ...
    double insideEvents = 0.25;   // ... and inside an event run
    double exitYes = 0.0;         // chance a top-level exit is confirmed
    double halfToNothing = 0.0;   // chance to take half until nothing is left, inside a pause that has it
};

class Storm {
public:
    Storm(std::uint32_t seed, const StormSetup& setup) : seed_(seed), setup_(setup), rng_(seed) {
        Machine& m = c.machine;
        c.wins.setRiskGames(&c.risk);
        m.music = &music_;
        music_.setFile("/nonexistent/talvern-storm.mid");
        window.activated = [this] { c.machine.refreshPayValues(); };
        window.closing = [this] { pacer.closing = true; };
        c.game.setJackPotWindow([this] { jackPotWindow(); });

        const Variant v = setup.variant;
        m.options.variant = v;
        m.options.riskChoice = setup.choice;
        m.options.alwaysSeven = oneIn(3);
        m.options.seeNextCard = oneIn(2);
        m.options.lossReveal = oneIn(3);
        m.options.lossRevealDelay = 1 + static_cast<int>(rng_() % 3);
        m.options.bloodOff = oneIn(2);
        m.options.soundOn = !oneIn(4);
        halfTaker_ = oneIn(4);  // a player who likes to take half, down to nothing
        m.cards.setBuiltInDeck(v);
        m.setPayCaptions(v);
        static constexpr int kBets[] = {1, 2, 3, 5, 10, 20, 30, 40, 50, 100};
        const int bet = kBets[rng_() % std::size(kBets)];
        m.setBet(bet);
        MachineState& s = m.state;
        s.bonusLevel = bonusClassOf(bet).level;
        for (std::size_t i = 0; i < 4; ++i) s.bonusPools[i] = static_cast<int>(rng_() % (kBonusLevels[i] + 1));
        m.setBonusDisplay(s.bonusPools[static_cast<std::size_t>(s.poolIndex())]);
        m.refreshPayValues();
        if (s.credits < s.bet) m.showCover();
        c.game.resetBoard();

        table_.setBuiltInDeck(v);
        classify_ = std::make_unique<Classifier>(table_, v);
        pools_ = s.bonusPools;
        jackPot_ = s.jackPot;
        start_ = s.credits;
        clockBase_ = rng_() % kDayMs;
        pacer.onWait = [this](char kind, int ms) { onWait(kind, ms); };  // the storm starts with the first game
        c.machine.recorder.setSink([this](const recall::GameRecord& g) { checkRecord(g); });
    }

    StormPacer pacer;
    test::RecordingSound sound;
    test::SetClock clock;
    StormWindow window;
    Controller c{pacer, sound, clock, window};
    Figures fig;
    std::vector<std::string> faults;

    // Plays until `games` final hands were dealt, the budget of top-level
    // actions is spent, a fault is found or the player left.
    void run(int games, int budget) {
        ++fig.runs;
        for (int a = 0; a < budget && fig.games < games && faults.empty() && !pacer.closing; ++a) {
            maybePlant();
            pacer.now += static_cast<long>(rng_() % 3000);  // the player thinks
            if (chance(0.08)) key(randomKey());
            else press(playerControl(), chance(setup_.exitYes));
            quietCheck();
        }
        if (pacer.closing && faults.empty()) leftCheck();
    }

    std::string report() const {
        std::ostringstream o;
        for (const std::string& f : faults) o << f << "\n";
        o << "  last actions:";
        for (const std::string& t : trail_) o << " " << t;
        return o.str();
    }

    // The books so far: what the credits must be.
    long long expectedCredits() const { return start_ + loaded_ + paid_ - charged_; }
    // What the recall's sink does with every game the recorder hands on.
    void recalled(const recall::GameRecord& g) { checkRecord(g); }

private:
    struct Frame {
        Ctl ctl;
        Snap before;
        bool nested;
        Ctl outer;
        bool confirmed;  // an exit the player confirmed
        std::string wait;  // the wait of the step it came in
        bool begun = false;
    };
    struct Pending {
        bool active = false;
        Ctl ctl = Ctl::Deal;
        Snap before;
        bool draw = false;
    };
    struct Game {
        bool on = false;
        Kind kind = Kind::None;
        long long stake = 0, maxWin = 0;
        int pulls = 0, bet = 0;
        bool over = false;
        char handClass = cls::NoHand;
    };

    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }
    bool oneIn(unsigned n) { return rng_() % n == 0; }

    void fault(const std::string& what) {
        if (!faults.empty()) return;
        std::ostringstream o;
        o << "seed " << seed_ << " (" << variantName(setup_.variant) << ", " << choiceName(setup_.choice)
          << "), game " << fig.games << ": " << what;
        faults.push_back(o.str());
    }
    void note(const std::string& t) {
        trail_.push_back(t);
        if (trail_.size() > 24) trail_.pop_front();
    }

    // ---- the game recall ---------------------------------------------------

    // Every game the recall holds replays from its seeds, and its own books
    // balance. A hand the storm laid on the table (no deal of the machine's)
    // is the one difference allowed, and only as the last one.
    void checkRecord(const recall::GameRecord& g) {
        ++fig.recorded;
        const recall::Replay r = recall::replay(g);
        const bool planted = r.code == recall::Replay::Code::DrawFromOther && planted_ > 0;
        if (planted) {
            --planted_;
            ++fig.planted;
        }
        if (!r.ok() && !planted) fault("the recall of a game does not replay: " + r.text + "\n  " + recall::toJsonLine(g));
        long long credited = 0;
        for (const recall::Step& st : g.steps) {
            switch (st.kind) {
            case recall::Step::Kind::Credit:
            case recall::Step::Kind::Take:
            case recall::Step::Kind::Half:
            case recall::Step::Kind::JackPotClose: credited += st.amount; break;
            default: break;
            }
        }
        if (static_cast<long long>(g.creditsBefore) - g.charged + g.loaded + credited != g.creditsAfter)
            fault("the recall's books of a game do not balance: " + recall::toJsonLine(g));
    }

    // ---- what the player sees --------------------------------------------

    Snap snap() {
        observe();
        const Cabinet& cab = c.machine.cabinet;
        Snap s;
        s.stamp = stamp_;
        s.panel3 = cab.Panel3.visible;
        s.panel4 = cab.Panel4.visible;
        s.rusrul = cab.RusRul.visible;
        s.topRB = cab.CashOut.playing;
        s.topP4 = cab.CashOut1.playing;
        s.cover = cab.dealx.visible;
        s.win = cab.RxLabel23.text.toLongLong();
        s.rr = cab.RxLabel27.text.toLongLong();
        s.maxWin = cab.RxLabel25.text.toLongLong();
        s.bet = cab.RxLabel8.text.toInt();
        s.credits = cab.RxLabel7.text.toInt();
        s.pool = cab.RxLabel5.text.toInt();
        s.jackPot = cab.RxLabel6.text.toInt();
        for (std::size_t i = 0; i < 5; ++i) s.held[i] = cab.lb[i].visible;
        if (cab.cr(5).visible && cab.crd(5).visible && face(cab.crd(5).card)) s.dealer = cab.crd(5).card;
        return s;
    }

    // Runs at every wait: notes the cards that came face up and the final
    // hand of a deal, and begins the handlers that are waiting (a handler
    // that waits was taken).
    void observe() {
        ++stamp_;
        const Cabinet& cab = c.machine.cabinet;
        for (int k = 1; k <= 7; ++k) {
            const bool shown = cab.cr(k).visible && cab.crd(k).visible && face(cab.crd(k).card);
            const Card card = cab.crd(k).card;
            auto& seen = slotSeen_[static_cast<std::size_t>(k - 1)];
            if (shown && (seen != card)) reveals_.push_back({stamp_, k, card});
            seen = shown ? card : kNoCard;
        }
        bool allFaces = true;
        for (int pos = 0; pos < 5; ++pos) {
            const Card card = cab.Im[static_cast<std::size_t>(pos)].card;
            auto& seen = placeSeen_[static_cast<std::size_t>(pos)];
            if (face(card) && card != seen) reveals_.push_back({stamp_, 10 + pos, card});
            seen = card;
            allFaces &= face(card);
        }
        if (!frames_.empty() && allFaces && (frames_.back().ctl == Ctl::Deal || frames_.back().ctl == Ctl::Image6)) {
            for (int pos = 0; pos < 5; ++pos)
                dealFaces_[static_cast<std::size_t>(pos)] = cab.Im[static_cast<std::size_t>(pos)].card;
            dealFacesStamp_ = stamp_;
        }
        for (Frame& f : frames_)
            if (!f.begun && (!isPlace(f.ctl) || picked(f))) begin(f);
    }

    const Reveal* revealIn(int where, long after, long upTo) const {
        for (const Reveal& r : reveals_)
            if (r.where == where && r.stamp > after && r.stamp <= upTo) return &r;
        return nullptr;
    }
    const Reveal* slotRevealIn(long after, long upTo) const {
        for (const Reveal& r : reveals_)
            if (r.where >= 1 && r.where <= 7 && r.stamp > after && r.stamp <= upTo) return &r;
        return nullptr;
    }
    // A card place click that turned its card: a Higher-Lower pick.
    bool picked(const Frame& f) const { return revealIn(10 + placeOf(f.ctl), f.before.stamp, stamp_) != nullptr; }

    static Kind kindOf(const Snap& s) {
        if (s.panel3) return Kind::RedBlack;
        if (s.panel4) return s.rusrul ? Kind::Roulette : Kind::HigherLower;
        return Kind::None;
    }

    // ---- the storm ---------------------------------------------------------

    int randomKey() {
        static constexpr int kKeys[] = {'A', 'Q', 'Z', ' ', '5', kKeyEnter, kKeyEscape, kKeyF1, kKeyF12};
        return kKeys[rng_() % std::size(kKeys)];
    }
    void key(int k) {
        ++fig.keys;
        note(std::string(c.depth() ? "[in] key" : "key"));
        c.keyPressed(k);
    }

    // Between steps a player mostly clicks what there is to click.
    Ctl playerControl() {
        const Cabinet& cab = c.machine.cabinet;
        struct W {
            Ctl ctl;
            int weight;
        };
        const int half = halfTaker_ ? 400 : 40;
        const W table[] = {
            {Ctl::Deal, 300},    {Ctl::btnpay, cab.dealx.visible ? 400 : 20}, {Ctl::btnbet1, 15}, {Ctl::btnbet2, 15},
            {Ctl::Im1, 50},      {Ctl::Im2, 50},   {Ctl::Im3, 50},     {Ctl::Im4, 50},     {Ctl::Im5, 50},
            {Ctl::Image6, 2},    {Ctl::btnoptions, 4}, {Ctl::btntotal, 4}, {Ctl::btnexit, 3}, {Ctl::btnClose, 3},
            {Ctl::btnhelp, 3},   {Ctl::btnabout, 3}, {Ctl::btnminimize, 3}, {Ctl::Imwind, 3}, {Ctl::Imminim, 3},
            {Ctl::Panel2, 3},    {Ctl::BtnRed, 90}, {Ctl::BtnBlack, 90}, {Ctl::BtnNo, 45}, {Ctl::BtnCash, 60},
            {Ctl::Btn12, half},  {Ctl::BtnCash1, 60}, {Ctl::BtnHalf1, half}, {Ctl::BtnYes1, 140},
        };
        int total = 0;
        for (const W& w : table) total += w.weight;
        int r = static_cast<int>(rng_() % static_cast<unsigned>(total));
        for (const W& w : table)
            if ((r -= w.weight) < 0) return w.ctl;
        return Ctl::Deal;
    }

    // Lays a chosen final hand on the table after a first deal, all five
    // held, as the other flow tests do: the next Deal evaluates exactly it.
    void maybePlant() {
        MachineState& s = c.machine.state;
        if (s.phase != Phase::Dealt || game_.on || !frames_.empty() || !chance(setup_.plant)) return;
        static const char* const kJackPotHands[3][2] = {
            {"AH AB AK AV PP", "1H JH QH KH AH"},
            {"1V JV QV KV AV", "1H JH QH KH AH"},
            {"2H 2B 2K 2V 5H", "1B JB QB KB AB"},
        };
        static const char* const kHands[] = {
            "8H 8B 5K 5V KH", "3H 3B 3K 9V KH", "KH KB 5K 7V 9H", "4H 5B 6K 7V 8H",
            "2H 5H 9H JH KH", "QH QB QK QV 5H", "9K 1K JK QK KK", "AH AB 7K 7V 7H",
        };
        const bool jackPot = chance(setup_.plantJackPot);
        const char* text = jackPot ? kJackPotHands[static_cast<int>(setup_.variant)][rng_() % 2]
                                   : kHands[rng_() % std::size(kHands)];
        const Hand h = test::hand(text);
        s.hand = h;
        for (int i = 0; i < 5; ++i) {
            c.machine.showCard(i, h[static_cast<std::size_t>(i)]);
            c.machine.setHeld(i, true);
        }
        if (const recall::GameRecord* g = c.machine.recorder.current(); g && h != g->deal.cards) ++planted_;
        note(std::string("plant(") + text + ")");
    }

    void onWait(char kind, int ms) {
        clock.ms = static_cast<std::uint32_t>((clockBase_ + pacer.now) % kDayMs);
        wait_ = kind == 'e' ? std::string("events") : std::string(1, kind) + std::to_string(ms);
        observe();
        if (pacer.closing || !faults.empty()) return;
        if (jackPotOpen_) {
            jackPotStorm(kind);
            return;
        }
        if (kind == 'h') {
            if (chance(setup_.insidePause)) ++fig.dropped;  // the cabinet swallows it
            return;
        }
        // (no draw from the generator unless asked: the other storms keep their seeds' games)
        if (setup_.halfToNothing > 0 && kind == 'p' && c.depth() > 0 && c.depth() < kMaxDepth &&
            chance(setup_.halfToNothing))
            halvesToNothing();
        if (pacer.closing || !faults.empty()) return;
        if (c.depth() >= kMaxDepth || !chance(kind == 'p' ? setup_.insidePause : setup_.insideEvents)) return;
        const int n = kind == 'p' ? 1 + static_cast<int>(rng_() % 3) : 1;
        const std::string here = wait_;
        for (int i = 0; i < n && !pacer.closing && faults.empty(); ++i) {
            wait_ = here;  // a click before may have waited in a step of its own
            if (chance(0.12)) key(randomKey());
            else press(static_cast<Ctl>(rng_() % kControls), false);
        }
    }

    // Take half, again and again, while the step that paused waits: the
    // game ends inside it, and whatever the step does next must not bring
    // the game back.
    void halvesToNothing() {
        const Cabinet& cab = c.machine.cabinet;
        const Ctl half = cab.Panel3.visible ? Ctl::Btn12 : Ctl::BtnHalf1;
        const std::string here = wait_;
        bool took = false;
        for (int i = 0; i < 64 && !pacer.closing && faults.empty() && !c.machine.state.boardReset; ++i) {
            wait_ = here;
            if (!press(half, false)) break;
            took = true;
        }
        if (took && c.machine.state.boardReset) ++fig.emptiedInside;
    }

    bool press(Ctl ctl, bool confirmExit) {
        const bool nested = c.depth() > 0;
        window.answer = confirmExit && !nested && (ctl == Ctl::btnexit || ctl == Ctl::btnClose);
        Frame f{ctl, snap(), nested, frames_.empty() ? ctl : frames_.back().ctl, window.answer, nested ? wait_ : ""};
        note(nested ? "[in " + std::string(ctlName(f.outer)) + " " + wait_ + "] " + ctlName(ctl) : ctlName(ctl));
        ++fig.fired;
        if (nested) ++fig.firedInside;
        const std::size_t level = frames_.size();
        frames_.push_back(f);
        const bool taken = c.click(ctl);
        Frame done = frames_[level];
        frames_.pop_back();
        window.answer = false;
        if (!taken) return false;
        ++fig.accepted;
        if (nested) ++fig.acceptedInside;
        finish(done);
        return true;
    }

    // ---- the books -----------------------------------------------------------

    void begin(Frame& f) {
        f.begun = true;
        if (!isGameStep(f.ctl)) {
            if (f.ctl == Ctl::btnpay && f.before.credits <= kMaxLoadedCredits - 100) loaded_ += 100;
            if (f.confirmed && game_.on) {
                // leaving ends the game: what was at stake is not paid
                if (earnsJackPot(setup_.variant, game_.handClass)) ++jackPotsDue_;
                game_ = Game{};
            }
            return;
        }
        if (f.nested) checkInside(f);
        if (pending_.active) settle(f.before);
        start(f);
    }

    void finish(Frame& f) {
        if (!f.begun) {
            if (isPlace(f.ctl) && !picked(f)) {
                // a hold toggle (or nothing): inside another step it must not
                // act, but for the holds a first deal proposes, which the
                // player may change as they come (only the card clicked)
                if (f.nested && snap().held != f.before.held && !proposalToggled(f))
                    fault(std::string("a hold changed inside ") + ctlName(f.outer));
                return;
            }
            begin(f);
        }
        if (pending_.active && pending_.ctl == f.ctl && pending_.before.stamp == f.before.stamp) settle(snap());
    }

    bool proposalToggled(const Frame& f) {
        if (f.outer != Ctl::Deal || f.wait != "p100") return false;
        std::array<bool, 5> toggled = f.before.held;
        toggled[static_cast<std::size_t>(placeOf(f.ctl))] ^= true;
        return snap().held == toggled;
    }

    // The only steps the rules leave open inside another: the take at the
    // top of the ladder (shown while the ladder waits at its top); taking
    // half in the second a right colour guess waits at the last rungs (a
    // step hides the colour buttons and the take, not the half); and in
    // Higher-Lower the last pause of a pick's display step, its 2000 ms
    // after which nothing of the pick follows: the next deal may begin
    // there, and so may a take and, once that ended the game, a new one.
    void checkInside(const Frame& f) {
        if (f.ctl == Ctl::BtnCash && f.before.topRB) return;
        if (f.ctl == Ctl::BtnCash1 && f.before.topP4) return;
        const bool guess = f.outer == Ctl::BtnRed || f.outer == Ctl::BtnBlack || f.outer == Ctl::BtnNo;
        if (f.ctl == Ctl::Btn12 && guess && f.wait == "p1000" && !f.before.idle()) return;
        if (isPlace(f.outer) && f.wait == "p2000") return;  // only a pick waits in a card's click
        fault(std::string(ctlName(f.ctl)) + " was taken inside " + ctlName(f.outer) + " (" + f.wait + ")");
    }

    void requireGame(Ctl ctl, std::initializer_list<Kind> kinds) {
        bool ok = game_.on;
        if (ok) {
            ok = false;
            for (Kind k : kinds) ok |= game_.kind == k;
        }
        if (!ok) fault(std::string(ctlName(ctl)) + " was taken with no " + kindName(*kinds.begin()) + " game on");
    }

    void start(const Frame& f) {
        pending_ = Pending{true, f.ctl, f.before, false};
        const Snap& b = f.before;
        switch (f.ctl) {
        case Ctl::Deal:
            if (game_.on) fault("Deal was taken during a risk game");
            if (!b.allHeld()) {
                if (b.credits < b.bet) fault("a Deal charged " + std::to_string(b.bet) + " of " +
                                             std::to_string(b.credits) + " credits");
                charged_ += b.bet;
            }
            pending_.draw = b.anyHeld();
            break;
        case Ctl::btnbet1:
        case Ctl::btnbet2:
            if (game_.on) fault("the bet changed during a risk game");
            break;
        case Ctl::Image6: requireGame(f.ctl, {Kind::RedBlack, Kind::HigherLower}); break;
        case Ctl::BtnRed:
        case Ctl::BtnBlack:
        case Ctl::BtnNo: requireGame(f.ctl, {Kind::RedBlack}); break;
        case Ctl::BtnCash:
            requireGame(f.ctl, {Kind::RedBlack});
            takeAll();
            break;
        case Ctl::Btn12:
            requireGame(f.ctl, {Kind::RedBlack});
            takeHalf();
            break;
        case Ctl::BtnCash1:
            requireGame(f.ctl, {Kind::HigherLower, Kind::Roulette});
            takeAll();
            break;
        case Ctl::BtnHalf1:
            requireGame(f.ctl, {Kind::HigherLower, Kind::Roulette});
            takeHalf();
            break;
        case Ctl::BtnYes1: requireGame(f.ctl, {Kind::HigherLower, Kind::Roulette}); break;
        default:
            if (isPlace(f.ctl)) requireGame(f.ctl, {Kind::HigherLower});
            break;
        }
    }

    void takeAll() {
        paid_ += game_.stake;
        game_.stake = 0;
        game_.over = true;
    }
    void takeHalf() {
        if (game_.stake > 0) {
            game_.stake /= 2;
            paid_ += game_.stake;
            game_.maxWin /= 2;
        }
        if (game_.stake <= 0) game_.over = true;
    }

    void settle(const Snap& now) {
        const Pending p = pending_;
        pending_.active = false;
        if (!faults.empty()) return;
        switch (p.ctl) {
        case Ctl::Deal:
            if (p.draw) settleDraw(p, now);
            break;
        case Ctl::BtnRed:
        case Ctl::BtnBlack:
        case Ctl::BtnNo: settleGuess(p, now); break;
        case Ctl::BtnYes1:
            if (game_.kind == Kind::Roulette) settlePull(now);
            break;
        case Ctl::BtnCash:
        case Ctl::Btn12:
        case Ctl::BtnCash1:
        case Ctl::BtnHalf1:
            if (game_.over) gameOver(now, "the take");
            else shown(now, "a take of half");
            break;
        case Ctl::Image6:
            // Four aces and the joker, whatever the variant: the top at once.
            // Red-Black has shown its first hand and keeps its top prize;
            // Higher-Lower before its first deal takes the test hand as the
            // game's hand, paid by its own line if it has one, and a hand at
            // the top at once keeps the pay it has.
            game_.handClass = cls::FiveOfAKind;
            if (game_.kind == Kind::HigherLower) {
                if (const int line = lineOfClass(setup_.variant, cls::FiveOfAKind, false))
                    game_.stake = *lineValues(setup_.variant, game_.bet)[static_cast<std::size_t>(line - 1)];
                game_.maxWin = game_.stake;
            }
            game_.stake = game_.maxWin;
            shown(now, "the test hand");
            break;
        default:
            if (isPlace(p.ctl)) settlePick(p, now);
            break;
        }
    }

    long long maxWinOf(Kind k, const Evaluation& e, bool bonus, long long offer, int bet) const {
        if (k == Kind::Roulette) return 42 * rung(rung(offer, 17), 33);
        if (bonus) return 4LL * bonusClassOf(bet).level;
        if (c.machine.options.alwaysSeven) return e.risk > 4 ? clampedToInt(128 * offer) : offer;
        if (e.risk == 1 || e.risk == 2) return offer;  // a hand at the top at once keeps its own line
        return *lineValues(setup_.variant, bet)[0];
    }

    void settleDraw(const Pending& p, const Snap& now) {
        ++fig.games;
        if (dealFacesStamp_ <= p.before.stamp || dealFacesStamp_ > now.stamp)
            return fault("no final hand was seen on the table");
        const Variant v = setup_.variant;
        const Evaluation e = (*classify_)(dealFaces_, Phase::Settled);
        const int bet = p.before.bet;
        const int line = lineOfClass(v, e.handClass, e.jacksPair);
        long long offer = line ? *lineValues(v, bet)[static_cast<std::size_t>(line - 1)] : 0;
        bool bonus = false;
        const BonusClass bc = bonusClassOf(bet);
        auto& pool = pools_[static_cast<std::size_t>(bc.pool)];
        if (!line && e.handClass == cls::Pair && e.bonusPairs == 1) {
            pool += bet;
            if (pool > bc.level) {
                offer = bc.level;
                pool -= bc.level;
                jackPot_ += bc.level / 5;
                bonus = true;
                ++fig.bonuses;
            }
        }
        if (now.pool != pool) fault("the bonus pool shows " + std::to_string(now.pool) + ", not " + std::to_string(pool));
        game_ = Game{};
        game_.handClass = e.handClass;
        const Kind k = kindOf(now);
        if (offer == 0) {
            if (k != Kind::None) fault(std::string("a ") + kindName(k) + " game started without a win");
            return;
        }
        ++fig.wins;
        if (k == Kind::None) {
            paid_ += offer;
            game_.on = true;  // ends at once
            return gameOver(now, "a win without a risk game");
        }
        game_.on = true;
        game_.kind = k;
        game_.bet = bet;
        game_.stake = offer;
        game_.maxWin = maxWinOf(k, e, bonus, offer, bet);
        if (k == Kind::RedBlack ? now.topRB : now.topP4) game_.stake = game_.maxWin;
        shown(now, "the offer");
    }

    void settleGuess(const Pending& p, const Snap& now) {
        ++fig.riskSteps;
        const Reveal* r = slotRevealIn(p.before.stamp, now.stamp);
        if (!r) return fault("a colour guess turned no card");
        const bool lost = now.idle();
        if (p.ctl != Ctl::BtnNo) {
            const bool right = r->card == kJoker || (p.ctl == Ctl::BtnRed ? isRed(r->card) : isBlack(r->card));
            if (right == lost)
                return fault(std::string(ctlName(p.ctl)) + " turned card " + std::to_string(r->card) +
                             (lost ? " and lost" : " and won"));
        }
        if (lost) {
            game_.stake = 0;
            return gameOver(now, "a lost guess");
        }
        game_.stake = clampedToInt(2 * game_.stake);
        if (now.topRB) game_.stake = game_.maxWin;
        shown(now, "a right guess");
    }

    void settlePick(const Pending& p, const Snap& now) {
        ++fig.riskSteps;
        const Reveal* r = revealIn(10 + placeOf(p.ctl), p.before.stamp, now.stamp);
        if (!r) return;
        if (p.before.dealer == kNoCard) return fault("a pick with no dealer card shown");
        const int dealer = dealerRankOf(p.before.dealer), pick = pickRankOf(r->card);
        const bool lost = dealer > pick;
        if (lost != now.idle())
            return fault("a pick of rank " + std::to_string(pick) + " against " + std::to_string(dealer) +
                         (now.idle() ? " lost" : " did not lose"));
        if (lost) {
            game_.stake = 0;
            return gameOver(now, "a lost pick");
        }
        if (pick > dealer) game_.stake = std::min(2 * game_.stake, game_.maxWin);
        if (now.topP4) game_.stake = game_.maxWin;
        shown(now, "a pick");
    }

    void settlePull(const Snap& now) {
        ++fig.riskSteps;
        if (now.idle()) {
            game_.stake = 0;
            game_.handClass = cls::NoHand;  // the shot takes the hand's claim to the Jack Pot with it
            return gameOver(now, "the shot");
        }
        switch (++game_.pulls) {
        case 1: game_.stake = rung(game_.stake, 17); break;
        case 2: game_.stake = rung(game_.stake, 33); break;
        case 3: game_.stake *= 2; break;
        case 4: game_.stake *= 3; break;
        default: game_.stake = game_.maxWin; break;
        }
        shown(now, "a pull survived");
    }

    // The risk game as the books see it must be what the cabinet shows.
    void shown(const Snap& now, const char* after) {
        if (!game_.on) return;
        const Kind k = kindOf(now);
        if (k != game_.kind)
            return fault(std::string("after ") + after + " the table shows " + kindName(k) + " during a " +
                         kindName(game_.kind) + " game");
        const long long stake = game_.kind == Kind::Roulette ? now.rr : now.win;
        if (stake != game_.stake || now.maxWin != game_.maxWin)
            fault(std::string("after ") + after + " the cabinet offers " + std::to_string(stake) + " of " +
                  std::to_string(now.maxWin) + ", the books " + std::to_string(game_.stake) + " of " +
                  std::to_string(game_.maxWin));
    }

    void gameOver(const Snap& now, const char* how) {
        if (!now.idle()) fault(std::string(how) + " ended the game but the risk game is still shown");
        if (earnsJackPot(setup_.variant, game_.handClass)) ++jackPotsDue_;
        game_ = Game{};
    }

    // After every top-level action.
    void quietCheck() {
        if (!faults.empty() || pacer.closing) return;
        const MachineState& s = c.machine.state;
        const Cabinet& cab = c.machine.cabinet;
        if (c.depth() != 0) return fault("a handler is still running between steps");
        if (pending_.active) return fault("a step was never settled");
        reveals_.clear();
        if (s.credits != expectedCredits())
            return fault("the credits are " + std::to_string(s.credits) + ", the books say " +
                         std::to_string(expectedCredits()) + " (loaded " + std::to_string(loaded_) + ", paid " +
                         std::to_string(paid_) + ", charged " + std::to_string(charged_) + ")");
        if (cab.RxLabel7.text.toInt() != s.credits) return fault("the credits display disagrees with the credits");
        if (jackPotsOpened_ != jackPotsDue_)
            return fault("the Jack Pot opened " + std::to_string(jackPotsOpened_) + " times for " +
                         std::to_string(jackPotsDue_) + " hands that earned it");
        const Snap now = snap();
        if (kindOf(now) != game_.kind)
            return fault(std::string("the table shows ") + kindName(kindOf(now)) + ", the books " +
                         kindName(game_.kind));
        if (!game_.on) {
            if (s.credits < s.bet && !cab.dealx.visible) fault("Deal is uncovered with fewer credits than the bet");
            return;
        }
        // a risk game always leaves the player a way on
        auto usable = [](const Control& ctl) { return ctl.visible && ctl.enabled; };
        bool way = false;
        if (game_.kind == Kind::RedBlack) {
            way = usable(cab.BtnCash) || usable(cab.Btn12) || usable(cab.BtnRed);
        } else {
            way = usable(cab.BtnCash1) || usable(cab.BtnYes1) || usable(cab.BtnHalf1);
            for (const CardPlace& p : cab.Im) way |= usable(p) && isBack(p.card) && s.higherLowerActive;
        }
        if (!way) fault(std::string("the ") + kindName(game_.kind) + " game leaves no button to go on");
    }

    // After the player left: the credits went out, and nothing of the books
    // was lost on the way.
    void leftCheck() {
        const MachineState& s = c.machine.state;
        if (c.depth() != 0) fault("a handler is still running after the window closed");
        if (s.creditsTaken != s.credits) fault("the credits taken out differ from the credits held");
        if (s.credits != expectedCredits())
            fault("the credits are " + std::to_string(s.credits) + " after leaving, the books say " +
                  std::to_string(expectedCredits()));
        if (window.closed != 1) fault("the window was asked to close " + std::to_string(window.closed) + " times");
    }

    // ---- the Jack Pot window ---------------------------------------------------

    struct JackPotFace {
        std::array<bool, 3> sure, enabled;
        bool yesVisible, yesEnabled, findJoker, win, closed;
        int hits;
        bool operator==(const JackPotFace&) const = default;
    };
    JackPotFace jackPotFace() const {
        const JackPotView& v = jackPot_flow_.view;
        return {v.sure, v.cardsEnabled, v.yesVisible, v.yesEnabled, v.findJokerVisible, v.winVisible,
                jackPot_flow_.closed(), jackPot_flow_.hits()};
    }

    // Shown modally by the reset of the board: the cabinet takes no input
    // until it closes; the storm goes to its keys, cards and "Да!".
    void jackPotWindow() {
        observe();
        if (pending_.active) settle(snap());
        ++jackPotsOpened_;
        ++fig.jackPots;
        note("[jack pot]");
        if (jackPotsOpened_ > jackPotsDue_) fault("the Jack Pot opened for a hand that did not earn it");
        Machine& m = c.machine;
        const int amount = m.cabinet.RxLabel6.text.toInt();
        if (amount != jackPot_) fault("the Jack Pot shows " + std::to_string(amount) + ", not " + std::to_string(jackPot_));
        const Options saved = m.options;
        if (chance(0.5)) {  // every guess right this time
            m.options.fortune[3] = 100;
            m.options.statisticsOff = true;
        }
        JackPotFlow& jp = jackPot_flow_;
        jp.open();
        jackPotOpen_ = true;
        hits_ = 0;
        missed_ = false;
        for (long tick = 0; !jp.closed() && faults.empty() && tick < 400000; ++tick) {
            if (jp.view.countUpTimer) {
                pacer.now += JackPotFlow::kCountUpMs;
                c.jackPotCountUpTick();
                if (tick % 15 == 0) c.jackPotShuffleTick();
                if (chance(0.0015)) jackPotInput(false);
            } else {
                jackPotInput(false);
            }
        }
        jackPotOpen_ = false;
        m.options = saved;
        if (!jp.closed()) fault("the Jack Pot window never closed");
        const long long won = hits_ >= 3 ? amount : hits_ * (amount / 3);
        paid_ += won;
        jackPot_ = missed_ ? amount - static_cast<int>(won) : std::max(amount - static_cast<int>(won), JackPotFlow::kFloor);
        if (m.cabinet.RxLabel6.text.toInt() != jackPot_)
            fault("after the Jack Pot it shows " + m.cabinet.RxLabel6.text.toStdString() + ", not " +
                  std::to_string(jackPot_));
        window.activate();  // the cabinet is active again
    }

    void jackPotInput(bool inside) {
        ++fig.jackPotInputs;
        if (inside) ++fig.jackPotInside;
        const JackPotFace before = jackPotFace();
        const unsigned r = rng_() % 100;
        if (r < 45) {
            c.jackPotCard(static_cast<int>(rng_() % 3));
        } else if (r < 75) {
            if (inside) c.jackPotConfirm();
            else confirm();
        } else if (r < 92) {
            c.jackPotKey(oneIn(5));
        } else {
            c.jackPotShuffleTick();
        }
        if (inside && confirming_ && !(jackPotFace() == before)) fault("a Jack Pot input took effect inside a guess");
    }

    // "Да!": the joker is revealed, then paid or the window closes. The hit
    // is judged from the player's choice and the faces the window shows.
    void confirm() {
        JackPotFlow& jp = jackPot_flow_;
        int chosen = -1;
        for (int i = 0; i < 3; ++i)
            if (jp.view.sure[static_cast<std::size_t>(i)]) chosen = i;
        const bool open = jp.view.yesVisible && jp.view.yesEnabled;
        const std::size_t heard = sound.started.size();
        confirming_ = true;
        revealSeen_ = false;
        c.jackPotConfirm();
        confirming_ = false;
        if (!open) return;
        if (!revealSeen_ || chosen < 0) return fault("a Jack Pot guess showed no cards");
        const bool hit = reveal_[static_cast<std::size_t>(chosen)] == QString::fromStdString(c.machine.cards.name(kJoker));
        if (hit) ++hits_;
        else missed_ = true;
        bool cheered = false, groaned = false;
        for (std::size_t i = heard; i < sound.started.size() && !cheered && !groaned; ++i) {
            cheered = sound.started[i].id == SoundId::Yes;
            groaned = sound.started[i].id == SoundId::No;
        }
        if (c.machine.options.soundOn && (hit != cheered || hit == groaned))
            fault("the Jack Pot judged a guess otherwise than the cards show");
    }

    void jackPotStorm(char kind) {
        if (confirming_ && !revealSeen_) {
            reveal_ = jackPot_flow_.view.cards;
            revealSeen_ = true;
        }
        if (kind == 'h') {
            if (chance(0.4)) ++fig.dropped;
            return;
        }
        if (chance(kind == 'e' ? 0.01 : 0.5)) jackPotInput(true);
    }

    std::uint32_t seed_;
    StormSetup setup_;
    std::mt19937 rng_;
    test::MusicSpy musicPort_;
    Music music_{musicPort_, c.machine.options.soundOn};
    CardImageTable table_;
    std::unique_ptr<Classifier> classify_;
    JackPotFlow& jackPot_flow_ = c.jackPot;

    long long start_ = 0, loaded_ = 0, paid_ = 0, charged_ = 0;
    std::array<int, 4> pools_{};
    int jackPot_ = 0;
    int planted_ = 0;  // hands laid by the storm whose record has not come yet
    int jackPotsDue_ = 0, jackPotsOpened_ = 0;
    Game game_;
    Pending pending_;
    std::vector<Frame> frames_;

    long stamp_ = 0;
    std::vector<Reveal> reveals_;
    std::array<Card, 7> slotSeen_{kNoCard, kNoCard, kNoCard, kNoCard, kNoCard, kNoCard, kNoCard};
    std::array<Card, 5> placeSeen_{kNoCard, kNoCard, kNoCard, kNoCard, kNoCard};
    Hand dealFaces_{};
    long dealFacesStamp_ = -1;

    bool jackPotOpen_ = false, confirming_ = false, revealSeen_ = false, missed_ = false;
    int hits_ = 0;
    std::array<QString, 3> reveal_;
    std::uint32_t clockBase_ = 0;
    std::deque<std::string> trail_;
    std::string wait_;  // the wait the storm is in now
    bool halfTaker_ = false;
};

void printSummary(const char* what, std::uint32_t firstSeed, std::uint32_t lastSeed, const Figures& f,
                  std::size_t faults) {
    std::printf("[storm] %s: seeds %u..%u, %ld runs, %ld games (%ld wins, %ld bonuses, %ld risk steps, "
                "%ld jack pots); %ld clicks fired, %ld inside steps, %ld accepted inside steps; %ld dropped in "
                "holds; %ld keys; %ld jack pot inputs, %ld inside its guesses; %ld games recalled and replayed "
                "(%ld laid by the storm); %zu faulty runs\n",
                what, firstSeed, lastSeed, f.runs, f.games, f.wins, f.bonuses, f.riskSteps, f.jackPots, f.fired,
                f.firedInside, f.acceptedInside, f.dropped, f.keys, f.jackPotInputs, f.jackPotInside, f.recorded,
                f.planted, faults);
}

// TALVERN_STORM_SEEDS=n storms n seeds per case instead of the default;
// TALVERN_STORM_SEED=s replays the one seed a failure named.
std::vector<std::uint32_t> seedsFrom(std::uint32_t first, int count) {
    if (const char* one = std::getenv("TALVERN_STORM_SEED")) {
        const auto s = static_cast<std::uint32_t>(std::strtoul(one, nullptr, 10));
        if (s >= first && s < first + 100000u) return {s};
        return {};
    }
    if (const char* n = std::getenv("TALVERN_STORM_SEEDS")) count = std::max(1, std::atoi(n));
    std::vector<std::uint32_t> seeds;
    for (int i = 0; i < count; ++i) seeds.push_back(first + static_cast<std::uint32_t>(i));
    return seeds;
}

struct Cell {
    Variant variant;
    RiskChoice choice;
};

std::string cellName(const ::testing::TestParamInfo<Cell>& info) {
    static const char* const v[] = {"JokerPoker", "JackOrBetter", "DeucesWild"};
    const char* ch = "RedBlack";
    switch (info.param.choice) {
    case RiskChoice::HigherLower: ch = "HigherLower"; break;
    case RiskChoice::RussianRoulette: ch = "RussianRoulette"; break;
    case RiskChoice::Random: ch = "Random"; break;
    case RiskChoice::None: ch = "None"; break;
    default: break;
    }
    return std::string(v[static_cast<int>(info.param.variant)]) + "_" + ch;
}

class StormCell : public ::testing::TestWithParam<Cell> {};

} // namespace

// Every variant against every risk-game choice.
TEST_P(StormCell, NoStepInsideAStepAndTheBooksBalance) {
    const Cell cell = GetParam();
    const std::uint32_t first = 1000000u * (static_cast<std::uint32_t>(cell.variant) * 8 +
                                            static_cast<std::uint32_t>(cell.choice) + 1);
    const std::vector<std::uint32_t> seeds = seedsFrom(first, 8);
    if (seeds.empty()) GTEST_SKIP() << "the seed to replay belongs to another case";
    Figures total;
    std::size_t faulty = 0;
    for (const std::uint32_t seed : seeds) {
        StormSetup setup;
        setup.variant = cell.variant;
        setup.choice = cell.choice;
        setup.exitYes = 0.01;
        Storm storm(seed, setup);
        storm.run(60, 4000);
        total.add(storm.fig);
        if (!storm.faults.empty()) {
            ++faulty;
            ADD_FAILURE() << storm.report();
        }
    }
    const std::string what = std::string(variantName(cell.variant)) + " / " + choiceName(cell.choice);
    printSummary(what.c_str(), seeds.front(), seeds.back(), total, faulty);
    if (seeds.size() < 8) return;  // a replay: the figures below are for whole storms
    EXPECT_GT(total.games, 300);
    EXPECT_GT(total.wins, 100);
    EXPECT_GT(total.acceptedInside, 1500);
    EXPECT_GT(total.recorded, total.games - total.runs);  // every game but one a run leaves open
    if (cell.choice != RiskChoice::None) {
        EXPECT_GT(total.riskSteps, 100);
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryVariantAndRiskGame, StormCell,
    ::testing::Values(Cell{Variant::JokerPoker, RiskChoice::RedBlack}, Cell{Variant::JokerPoker, RiskChoice::HigherLower},
                      Cell{Variant::JokerPoker, RiskChoice::RussianRoulette}, Cell{Variant::JokerPoker, RiskChoice::Random},
                      Cell{Variant::JokerPoker, RiskChoice::None}, Cell{Variant::JackOrBetter, RiskChoice::RedBlack},
                      Cell{Variant::JackOrBetter, RiskChoice::HigherLower},
                      Cell{Variant::JackOrBetter, RiskChoice::RussianRoulette},
                      Cell{Variant::JackOrBetter, RiskChoice::Random}, Cell{Variant::JackOrBetter, RiskChoice::None},
                      Cell{Variant::DeucesWild, RiskChoice::RedBlack}, Cell{Variant::DeucesWild, RiskChoice::HigherLower},
                      Cell{Variant::DeucesWild, RiskChoice::RussianRoulette}, Cell{Variant::DeucesWild, RiskChoice::Random},
                      Cell{Variant::DeucesWild, RiskChoice::None}),
    cellName);

// Games that end in the Jack Pot, with the storm on its count-up, its keys,
// its cards and its payouts.
TEST(Storm, TheJackPotCountsUpAndPaysThroughTheStorm) {
    Figures total;
    std::size_t faulty = 0;
    const std::vector<std::uint32_t> seeds = seedsFrom(90000000u, 12);
    if (seeds.empty()) GTEST_SKIP() << "the seed to replay belongs to another case";
    for (const std::uint32_t seed : seeds) {
        StormSetup setup;
        setup.variant = static_cast<Variant>(seed % 3);
        setup.choice = static_cast<RiskChoice>(std::array<int, 5>{0, 1, 2, 4, 5}[seed % 5]);
        setup.plant = 0.6;
        setup.plantJackPot = 0.8;
        Storm storm(seed, setup);
        storm.run(25, 3000);
        total.add(storm.fig);
        if (!storm.faults.empty()) {
            ++faulty;
            ADD_FAILURE() << storm.report();
        }
    }
    printSummary("Jack Pot", seeds.front(), seeds.back(), total, faulty);
    if (seeds.size() < 12) return;
    EXPECT_GT(total.jackPots, 100);
    EXPECT_GT(total.jackPotInside, 300);
}

// A player who takes half down to nothing whenever a step pauses with take
// half on offer: the game ends inside that step, which must stop there.
TEST(Storm, HalvesToNothingInsideEveryPauseThatOffersThem) {
    Figures total;
    std::size_t faulty = 0;
    const std::vector<std::uint32_t> seeds = seedsFrom(91000000u, 32);
    if (seeds.empty()) GTEST_SKIP() << "the seed to replay belongs to another case";
    for (const std::uint32_t seed : seeds) {
        StormSetup setup;
        setup.variant = static_cast<Variant>(seed % 3);
        setup.choice = static_cast<RiskChoice>(std::array<int, 4>{0, 1, 2, 4}[(seed / 3) % 4]);
        setup.plant = 0.5;
        setup.plantJackPot = 0.2;
        setup.halfToNothing = 0.5;
        Storm storm(seed, setup);
        storm.run(40, 3000);
        total.add(storm.fig);
        if (!storm.faults.empty()) {
            ++faulty;
            ADD_FAILURE() << storm.report();
        }
    }
    printSummary("halves to nothing", seeds.front(), seeds.back(), total, faulty);
    std::printf("[storm] games taken to nothing inside a step: %ld\n", total.emptiedInside);
    if (seeds.size() < 32) return;
    EXPECT_GT(total.emptiedInside, 40);
}

// ---- the faults the storms found, one case each ------------------------------

namespace {

// Runs one scripted click inside a coming wait: the next pause of a length,
// or the next event run, after `skip` of them have passed. Holds swallow
// input, as the cabinet's do.
class ScriptPacer : public Pacer {
public:
    long now = 0;
    void when(char kind, int ms, std::function<void()> f, int skip = 0) {
        triggers_.push_back({kind, ms, skip, std::move(f)});
    }
    void pause(int ms) override { wait('p', ms); }
    void hold(int ms) override { now += ms; }
    void processEvents() override { wait('e', 0); }
    bool pending() const { return !triggers_.empty(); }

private:
    struct Trigger {
        char kind;
        int ms, skip;
        std::function<void()> f;
    };
    void wait(char kind, int ms) {
        now += ms;
        for (auto it = triggers_.begin(); it != triggers_.end(); ++it) {
            if (it->kind != kind || (it->ms >= 0 && it->ms != ms)) continue;
            if (it->skip > 0) {
                --it->skip;
                continue;
            }
            auto f = std::move(it->f);
            triggers_.erase(it);
            f();
            return;
        }
    }
    std::vector<Trigger> triggers_;
};

struct ScriptRig {
    ScriptPacer pacer;
    test::RecordingSound sound;
    test::SetClock clock;
    test::FakeWindow window;
    Controller c{pacer, sound, clock, window};
    Machine& m = c.machine;
    MachineState& s = c.machine.state;
    Cabinet& cab = c.machine.cabinet;
    int jackPots = 0;

    ScriptRig(Variant v, RiskChoice choice, int bet = 1) {
        c.wins.setRiskGames(&c.risk);
        c.game.setJackPotWindow([this] { ++jackPots; });
        m.options.variant = v;
        m.options.riskChoice = choice;
        m.cards.setBuiltInDeck(v);
        m.setPayCaptions(v);
        m.setCredits(10000);
        m.setBet(bet);
        s.bonusLevel = bonusClassOf(bet).level;
        m.refreshPayValues();
        m.hideCover();
    }
    // After a first deal, this hand all held: the next Deal plays it.
    void finalHand(const char* text) {
        if (s.phase != Phase::Dealt) c.click(Ctl::Deal);
        const Hand h = test::hand(text);
        s.hand = h;
        for (int i = 0; i < 5; ++i) {
            m.showCard(i, h[static_cast<std::size_t>(i)]);
            m.setHeld(i, true);
        }
    }
    bool win(const char* text) {
        finalHand(text);
        return c.click(Ctl::Deal);
    }
    bool usable(const Control& ctl) const { return ctl.visible && ctl.enabled; }
};

constexpr const char* kTwoPairs = "8H 8B 5K 5V KH";

} // namespace

// The first deal lets pending events run before it turns Deal off; a board
// reset lets them run on an idle table; a take at the top of the ladder
// resets the board while the step that showed the top still waits. None of
// these is a moment to start a game or change its bet.
TEST(StormFaults, DealAndTheBetWaitUntilNoStepRuns) {
    {
        ScriptRig r(Variant::JokerPoker, RiskChoice::RedBlack);
        bool taken = true;
        r.pacer.when('e', -1, [&] { taken = r.c.click(Ctl::Deal); });  // a second press behind the first
        ASSERT_TRUE(r.c.click(Ctl::Deal));
        EXPECT_FALSE(taken);
        EXPECT_EQ(r.s.credits, 9999);  // charged once
        EXPECT_EQ(r.sound.count(SoundId::Rasd), 1);
    }
    {
        ScriptRig r(Variant::JokerPoker, RiskChoice::RedBlack);
        r.finalHand("2H 7B 9K JV KH");
        bool taken = true;
        r.pacer.when('e', -1, [&] { taken = r.c.click(Ctl::Deal); });  // inside the reset of the bet change
        ASSERT_TRUE(r.c.click(Ctl::btnbet2));
        EXPECT_FALSE(taken);
        EXPECT_EQ(r.s.credits, 9999);
        EXPECT_EQ(r.s.phase, Phase::Settled);
        EXPECT_TRUE(r.s.boardReset);
    }
    {
        // A royal flush in Jack or Better goes to the top at once; the take
        // in the top's second resets the board inside the draw.
        ScriptRig r(Variant::JackOrBetter, RiskChoice::RedBlack);
        r.finalHand("1V JV QV KV AV");
        bool took = false, dealt = true, bet = true;
        r.pacer.when('p', 1000, [&] {
            took = r.c.click(Ctl::BtnCash);
            dealt = r.c.click(Ctl::Deal);
            bet = r.c.click(Ctl::btnbet2);
        }, 1);  // the offer's second, then the top's
        ASSERT_TRUE(r.c.click(Ctl::Deal));
        EXPECT_TRUE(took);
        EXPECT_FALSE(dealt);
        EXPECT_FALSE(bet);
        EXPECT_EQ(r.s.credits, 9999 + 250);
        EXPECT_EQ(r.s.bet, 1);
        EXPECT_EQ(r.jackPots, 1);
        EXPECT_TRUE(r.s.boardReset);
        EXPECT_FALSE(r.cab.Duble.playing);  // the ladder did not start over a new game
        EXPECT_TRUE(r.c.click(Ctl::Deal));  // and once the draw is over, a new game
    }
}

// A click on a card while the draw turns the cards changed the holds the
// draw had already been charged (or not charged) for.
TEST(StormFaults, TheHoldsStayWhileTheDrawTurnsTheCards) {
    ScriptRig r(Variant::JokerPoker, RiskChoice::None);
    r.finalHand("2H 7B 9K JV KH");
    const int credits = r.s.credits;
    r.pacer.when('p', 300, [&] { r.c.click(Ctl::Im3); });  // un-hold a card the draw keeps for free
    ASSERT_TRUE(r.c.click(Ctl::Deal));
    EXPECT_EQ(r.s.hand, test::hand("2H 7B 9K JV KH"));
    EXPECT_EQ(r.s.credits, credits);
}

// Taking the win ends the game: taking half of the nothing left, inside the
// take's own waits, reset the board and opened the Jack Pot before the take
// had finished.
TEST(StormFaults, ATakeTakesNoHalfInsideItsWaits) {
    {
        ScriptRig r(Variant::JokerPoker, RiskChoice::RedBlack, 10);
        ASSERT_TRUE(r.win(kTwoPairs));
        bool half = true;
        r.pacer.when('p', 1000, [&] { half = r.c.click(Ctl::Btn12); });
        ASSERT_TRUE(r.c.click(Ctl::BtnCash));
        EXPECT_FALSE(half);
        EXPECT_EQ(r.sound.count(SoundId::Home), 1);
        EXPECT_TRUE(r.usable(r.cab.Btn12));  // ready for the next game
    }
    for (RiskChoice choice : {RiskChoice::HigherLower, RiskChoice::RussianRoulette}) {
        ScriptRig r(Variant::JokerPoker, choice, 10);
        ASSERT_TRUE(r.win(kTwoPairs));
        bool half = true;
        r.pacer.when('p', 1000, [&] { half = r.c.click(Ctl::BtnHalf1); });
        ASSERT_TRUE(r.c.click(Ctl::BtnCash1));
        EXPECT_FALSE(half);
        EXPECT_EQ(r.sound.count(SoundId::Home), 1);
        EXPECT_TRUE(r.s.boardReset);
        EXPECT_TRUE(r.cab.BtnHalf1.enabled);
    }
}

// Taking half re-enabled its row before its half second: a pull, a deal or
// a take ran inside it and the take-half then went on over that step.
TEST(StormFaults, TakingHalfKeepsItsRowWaiting) {
    for (RiskChoice choice : {RiskChoice::HigherLower, RiskChoice::RussianRoulette}) {
        ScriptRig r(Variant::JokerPoker, choice, 10);
        ASSERT_TRUE(r.win(kTwoPairs));
        const int credits = r.s.credits, stake = r.s.win;
        ASSERT_EQ(stake, 30);
        bool yes = true, take = true, half = true;
        r.pacer.when('p', 500, [&] {
            yes = r.c.click(Ctl::BtnYes1);
            take = r.c.click(Ctl::BtnCash1);
            half = r.c.click(Ctl::BtnHalf1);
        });
        ASSERT_TRUE(r.c.click(Ctl::BtnHalf1));
        EXPECT_FALSE(yes);
        EXPECT_FALSE(take);
        EXPECT_FALSE(half);
        EXPECT_EQ(r.s.credits, credits + stake / 2);
        EXPECT_EQ(r.s.win, stake / 2);
        EXPECT_EQ(r.s.pulls, 0);
        EXPECT_TRUE(r.usable(r.cab.BtnYes1) && r.usable(r.cab.BtnHalf1) && r.usable(r.cab.BtnCash1));
    }
}

// The roulette showed its row before it had set its ladder: a pull in the
// repaint played the hand's own counter against the first line's top.
TEST(StormFaults, TheRouletteTakesNoPullBeforeItsTableIsLaidOut) {
    ScriptRig r(Variant::JokerPoker, RiskChoice::RussianRoulette, 10);
    r.finalHand(kTwoPairs);
    bool pull = true, take = true, half = true;
    r.pacer.when('e', -1, [&] {
        pull = r.c.click(Ctl::BtnYes1);
        take = r.c.click(Ctl::BtnCash1);
        half = r.c.click(Ctl::BtnHalf1);
    });
    ASSERT_TRUE(r.c.click(Ctl::Deal));
    EXPECT_FALSE(r.pacer.pending());  // the repaint came
    EXPECT_FALSE(pull);
    EXPECT_FALSE(take);
    EXPECT_FALSE(half);
    EXPECT_EQ(r.s.riskCounter, 7);
    EXPECT_EQ(r.s.pulls, 0);
    EXPECT_EQ(r.s.maxWin, 42 * roulette::secondRung(roulette::firstRung(30)));  // two pairs at bet 10
    EXPECT_TRUE(r.usable(r.cab.BtnYes1) && r.usable(r.cab.BtnHalf1) && r.usable(r.cab.BtnCash1));
}

// The Higher-Lower display step showed Panel4 with its row usable while the
// ladder stopped: a deal there ran before the step had set the ladder.
TEST(StormFaults, TheHigherLowerDisplayTakesNoDealBeforeItsLadder) {
    ScriptRig r(Variant::JokerPoker, RiskChoice::HigherLower, 10);
    r.finalHand(kTwoPairs);
    bool deal = true, take = true;
    r.pacer.when('e', -1, [&] {
        deal = r.c.click(Ctl::BtnYes1);
        take = r.c.click(Ctl::BtnCash1);
    });
    ASSERT_TRUE(r.c.click(Ctl::Deal));
    EXPECT_FALSE(r.pacer.pending());
    EXPECT_FALSE(deal);
    EXPECT_FALSE(take);
    EXPECT_FALSE(r.s.higherLowerActive);
    EXPECT_EQ(r.s.riskCounter, 9);
    EXPECT_TRUE(r.usable(r.cab.BtnYes1) && r.usable(r.cab.BtnHalf1) && r.usable(r.cab.BtnCash1));
    EXPECT_EQ(r.cab.message1.text, "Умножим?");
}

// The hidden test-hand spot is a step of its own: it took clicks of the
// risk game while its cards turned, came inside other steps, and while a
// Higher-Lower deal waited for its pick it took the ladder below its bottom
// and left no button to go on.
TEST(StormFaults, TheTestHandComesOnlyBetweenSteps) {
    {
        ScriptRig r(Variant::JokerPoker, RiskChoice::RedBlack, 10);
        ASSERT_TRUE(r.win(kTwoPairs));
        bool guess = true, take = true, half = true;
        r.pacer.when('p', 300, [&] {
            guess = r.c.click(Ctl::BtnRed);
            take = r.c.click(Ctl::BtnCash);
            half = r.c.click(Ctl::Btn12);
        });
        ASSERT_TRUE(r.c.click(Ctl::Image6));
        EXPECT_FALSE(guess);
        EXPECT_FALSE(take);
        EXPECT_FALSE(half);
        EXPECT_TRUE(r.cab.CashOut.playing);  // the top, with only the take
        EXPECT_TRUE(r.usable(r.cab.BtnCash));
        EXPECT_FALSE(r.cab.BtnRed.visible);

        bool spot = true;
        r.pacer.when('p', 1000, [&] { spot = r.c.click(Ctl::Image6); });
        ASSERT_TRUE(r.c.click(Ctl::BtnCash));
        EXPECT_FALSE(spot);
        EXPECT_EQ(r.jackPots, 1);
    }
    {
        ScriptRig r(Variant::JokerPoker, RiskChoice::HigherLower, 10);
        ASSERT_TRUE(r.win(kTwoPairs));
        ASSERT_TRUE(r.c.click(Ctl::BtnYes1));
        ASSERT_TRUE(r.s.higherLowerActive);
        EXPECT_FALSE(r.c.click(Ctl::Image6));
        EXPECT_EQ(r.s.riskCounter, 9);
        for (const CardPlace& p : r.cab.Im) EXPECT_TRUE(r.usable(p));  // the pick is still to come
    }
}

// Activating the window again (after the settings, the totals, a minimised
// window) put the first pay line over the ladder, while the top still paid
// the game's own maximum.
TEST(StormFaults, ActivatingTheWindowKeepsTheTopPrizeOfTheGameInPlay) {
    ScriptRig r(Variant::JokerPoker, RiskChoice::RussianRoulette, 10);
    ASSERT_TRUE(r.win(kTwoPairs));
    const int top = 42 * roulette::secondRung(roulette::firstRung(30));  // two pairs at bet 10
    ASSERT_EQ(r.s.maxWin, top);
    r.m.refreshPayValues();
    EXPECT_EQ(r.cab.RxLabel25.text, QString::number(top));
    ASSERT_TRUE(r.c.click(Ctl::BtnHalf1));
    r.m.refreshPayValues();
    EXPECT_EQ(r.cab.RxLabel25.text, QString::number(top / 2));
    ASSERT_TRUE(r.c.click(Ctl::BtnCash1));
    r.m.refreshPayValues();
    EXPECT_EQ(r.cab.RxLabel25.text, "3000");  // no game: the first line again
}

// A card clicked while the joker was revealed chose that card for the next
// guess and showed "уверен?" under it with "Да!" still off.
TEST(StormFaults, TheJackPotTakesNoChoiceWhileTheJokerIsRevealed) {
    ScriptPacer pacer;
    test::RecordingSound sound;
    test::SetClock clock;
    Machine m(pacer, sound, clock);
    m.options.fortune[3] = 100;
    JackPotFlow jp(m);
    jp.open();
    jp.keyPressed(false);
    jp.cardClick(0);
    pacer.when('e', -1, [&] { jp.cardClick(2); });
    jp.confirm();
    EXPECT_FALSE(pacer.pending());
    EXPECT_EQ(jp.hits(), 1);
    EXPECT_EQ(jp.view.sure, (std::array<bool, 3>{false, false, false}));
    EXPECT_FALSE(jp.view.yesEnabled);
    EXPECT_EQ(jp.view.cardsEnabled, (std::array<bool, 3>{true, true, true}));  // the next guess
}

// Leaving takes the credits out, then lets events run: a load there came in
// after the credits were counted as taken and was lost from the books.
TEST(StormFaults, NothingIsLoadedOnceThePlayerLeaves) {
    ScriptRig r(Variant::JokerPoker, RiskChoice::RedBlack);
    bool first = true, last = true;
    r.pacer.when('e', -1, [&] { first = r.c.click(Ctl::btnpay); });
    r.pacer.when('e', -1, [&] { last = r.c.click(Ctl::btnpay); });
    ASSERT_TRUE(r.c.click(Ctl::btnClose));
    EXPECT_FALSE(r.pacer.pending());
    EXPECT_FALSE(first);
    EXPECT_FALSE(last);
    EXPECT_EQ(r.s.creditsTaken, 10000);
    EXPECT_EQ(r.s.credits, 10000);
    EXPECT_EQ(r.s.creditsLoaded, 0);
}

// Every take ends by uncovering Deal, also when what it brought in leaves
// fewer credits than the bet: the next Deal then charged credits that were
// not there.
TEST(StormFaults, ATakeLeavesDealCoveredWhenTheCreditsDoNotReachTheBet) {
    // Jacks held with two small cards, the fifth drawn: a clock whose draw
    // leaves the plain pair, 10 at bet 10, with the draw charged.
    auto ready = [](RiskChoice choice, std::uint32_t ms) {
        auto r = std::make_unique<ScriptRig>(Variant::JackOrBetter, choice, 10);
        r->m.setCredits(20);
        r->finalHand("JH JB 5K 7V 9H");
        r->m.setHeld(4, false);
        r->clock.ms = ms;
        r->c.click(Ctl::Deal);
        return r;
    };
    std::uint32_t ms = 1;
    while (ready(RiskChoice::None, ms)->s.credits != 10) ++ms;  // none: the pair of jacks was paid at once

    for (RiskChoice choice : {RiskChoice::RedBlack, RiskChoice::HigherLower, RiskChoice::RussianRoulette}) {
        auto r = ready(choice, ms);
        ASSERT_EQ(r->s.credits, 0);
        ASSERT_TRUE(r->cab.dealx.visible);
        const Ctl half = choice == RiskChoice::RedBlack ? Ctl::Btn12 : Ctl::BtnHalf1;
        while (!r->s.boardReset) ASSERT_TRUE(r->c.click(half));  // 5, 2, 1, then nothing
        EXPECT_EQ(r->s.credits, 8);
        EXPECT_TRUE(r->cab.dealx.visible) << choiceName(choice);
        EXPECT_FALSE(r->c.click(Ctl::Deal));
        EXPECT_EQ(r->s.credits, 8);
    }
    auto r = ready(RiskChoice::HigherLower, ms);
    ASSERT_TRUE(r->c.click(Ctl::BtnCash1));  // the whole 10: enough for the next game
    EXPECT_EQ(r->s.credits, 10);
    EXPECT_FALSE(r->cab.dealx.visible);
}

// ---- the checks themselves can fail ----------------------------------------------

// A credit made behind the books' back, as a flow that pays twice would.
// A recorded card the seed does not give, and a credit the record does not
// account for, are both caught.
TEST(StormChecks, TheRecallChecksCatchAGameThatDoesNotReplayOrBalance) {
    for (const bool card : {true, false}) {
        StormSetup setup;
        setup.plant = 0;
        Storm storm(515152, setup);
        int tampered = 0;
        storm.c.machine.recorder.setSink([&](recall::GameRecord g) {
            if (g.draw && !tampered++) {
                if (card) g.draw->cards[0] = g.draw->cards[0] % 52 + 1;
                else g.creditsAfter += 1;
            }
            storm.recalled(g);
        });
        storm.run(20, 2000);
        ASSERT_EQ(tampered > 0, true);
        ASSERT_FALSE(storm.faults.empty());
        EXPECT_NE(storm.faults[0].find(card ? "does not replay" : "do not balance"), std::string::npos) << storm.faults[0];
    }
}

TEST(StormChecks, TheBooksCatchACreditFromNowhere) {
    StormSetup setup;
    setup.choice = RiskChoice::None;
    Storm storm(424242, setup);
    bool made = false;
    storm.window.activated = [&] {
        storm.c.machine.refreshPayValues();
        if (made) return;
        made = true;
        storm.c.machine.setCredits(storm.c.machine.state.credits + 1);
    };
    storm.run(60, 4000);
    ASSERT_TRUE(made);
    ASSERT_FALSE(storm.faults.empty());
    EXPECT_NE(storm.faults[0].find("the credits are"), std::string::npos) << storm.faults[0];
}

// A bet changed between the charge and the payout, as a flow that let the
// bet buttons work during a draw would: the books pay at the charged bet.
TEST(StormChecks, TheBooksCatchAPayoutAtAnotherBet) {
    StormSetup setup;
    setup.choice = RiskChoice::None;
    setup.plant = 0.5;
    setup.plantJackPot = 0;
    Storm storm(515151, setup);
    Machine& m = storm.c.machine;
    auto storming = storm.pacer.onWait;
    int changed = 0;
    storm.pacer.onWait = [&](char kind, int ms) {
        if (kind == 'p' && ms == 300 && m.state.phase == Phase::Dealt && m.state.anyHeld()) {
            m.setBet(betUp(m.state.bet) == m.state.bet ? betDown(m.state.bet) : betUp(m.state.bet));
            m.refreshPayValues();
            ++changed;
        }
        storming(kind, ms);
    };
    storm.run(60, 4000);
    ASSERT_GT(changed, 0);
    ASSERT_FALSE(storm.faults.empty());
    std::printf("[storm] the tampered bet was caught: %s\n", storm.faults[0].c_str());
    const std::string& f = storm.faults[0];
    EXPECT_TRUE(f.find("the credits are") != std::string::npos || f.find("the cabinet offers") != std::string::npos) << f;
}

// Buttons left shown during a step, as a flow that forgot to hide them
// would leave them (while guesses remain: at the top there is no guess to
// show them for): the storm takes one inside the step.
TEST(StormChecks, TheNestingCheckCatchesAStepInsideAStep) {
    bool caught = false;
    for (std::uint32_t seed = 606060; seed < 606070 && !caught; ++seed) {
        StormSetup setup;
        Storm storm(seed, setup);
        Cabinet& cab = storm.c.machine.cabinet;
        auto storming = storm.pacer.onWait;
        storm.pacer.onWait = [&](char kind, int ms) {
            if (storm.c.depth() > 0 && cab.Panel3.visible && storm.c.machine.state.riskCounter > 2)
                cab.BtnRed.visible = cab.BtnBlack.visible = true;
            storming(kind, ms);
        };
        storm.run(60, 4000);
        for (const std::string& f : storm.faults) caught |= f.find("was taken inside") != std::string::npos;
    }
    EXPECT_TRUE(caught);
}

// ---- a game that ends inside one of its own steps ---------------------------------

namespace {

// A Red-Black game at risk counter 5 with 1 at stake: the next right guess
// climbs to counter 4, whose display step waits a second with the take half
// still there. The fortune setting makes every colour guess right.
std::unique_ptr<ScriptRig> redBlackAtCounterFiveWithOne() {
    auto r = std::make_unique<ScriptRig>(Variant::JokerPoker, RiskChoice::RedBlack, 1);
    r->m.options.fortune[1] = 100;
    r->m.options.statisticsOff = true;
    if (!r->win(kTwoPairs)) return nullptr;
    for (std::uint32_t ms = 1; r->s.riskCounter > 5; ms += 977) {
        while (r->s.win > 1) r->c.click(Ctl::Btn12);
        r->clock.ms = ms;
        const int counter = r->s.riskCounter;
        r->c.click(Ctl::BtnRed);
        if (r->s.riskCounter != counter - 1) return nullptr;  // a wrong guess: the fortune setting failed
    }
    while (r->s.win > 1) r->c.click(Ctl::Btn12);
    return r;
}

} // namespace

// Taking half twice in the second a right guess waits at counter 4 brought
// the win to nothing and reset the board; the guess's display step then laid
// the table out again on the reset board: Deal refused, wrong guesses free,
// the first line's top on offer for a stake of 1, and later guesses writing
// past the end of the history row.
TEST(StormFaults, AGameTakenToNothingInsideAGuessStaysOver) {
    auto r = redBlackAtCounterFiveWithOne();
    ASSERT_TRUE(r);
    ASSERT_EQ(r->s.riskCounter, 5);
    ASSERT_EQ(r->s.win, 1);
    const int credits = r->s.credits;
    int halves = 0;
    r->pacer.when('p', 1000, [&] {
        halves += r->c.click(Ctl::Btn12);  // 2 -> 1
        halves += r->c.click(Ctl::Btn12);  // 1 -> 0: the game is over
    });
    r->clock.ms = 4242;
    ASSERT_TRUE(r->c.click(Ctl::BtnRed));
    EXPECT_FALSE(r->pacer.pending());
    ASSERT_EQ(halves, 2);
    EXPECT_EQ(r->s.credits, credits + 1);
    EXPECT_TRUE(r->s.boardReset);
    EXPECT_FALSE(r->cab.Panel3.visible);
    EXPECT_FALSE(r->cab.RdBl.visible);
    EXPECT_FALSE(r->cab.Duble.visible);
    EXPECT_FALSE(r->c.click(Ctl::BtnRed));  // no guess on a reset board
    EXPECT_TRUE(r->c.click(Ctl::Deal));     // the next game
    EXPECT_EQ(r->s.credits, credits);
}
