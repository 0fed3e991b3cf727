#include "recall.h"

#include <nlohmann/json.hpp>

#include <sstream>

#include "dealing.h"
#include "evaluator.h"
#include "paytable.h"

namespace talvern::recall {

using nlohmann::ordered_json;

namespace {

// ---- names ------------------------------------------------------------------

const char* stepName(Step::Kind k) {
    switch (k) {
    case Step::Kind::Credit: return "credit";
    case Step::Kind::Bonus: return "bonus";
    case Step::Kind::Colour: return "colour";
    case Step::Kind::NextCard: return "next";
    case Step::Kind::Deal: return "deal";
    case Step::Kind::Pick: return "pick";
    case Step::Kind::Reveal: return "reveal";
    case Step::Kind::Pull: return "pull";
    case Step::Kind::Top: return "top";
    case Step::Kind::Take: return "take";
    case Step::Kind::Half: return "half";
    case Step::Kind::TestHand: return "testhand";
    case Step::Kind::JackPot: return "jackpot";
    case Step::Kind::JackPotGuess: return "jackpot-guess";
    case Step::Kind::JackPotClose: return "jackpot-close";
    }
    return "?";
}

const char* guessName(riskdraw::Guess g) {
    switch (g) {
    case riskdraw::Guess::Red: return "red";
    case riskdraw::Guess::Black: return "black";
    default: return "random";
    }
}

const char* drawName(riskdraw::Kind k) {
    switch (k) {
    case riskdraw::Kind::Favourable: return "favourable";
    case riskdraw::Kind::Unfavourable: return "unfavourable";
    default: return "natural";
    }
}

const char* outcomeName(int o) { return o == 1 ? "lost" : o == 2 ? "won" : "tie"; }

template <typename E, std::size_t N>
std::optional<E> parseName(const std::string& s, const std::array<std::pair<const char*, E>, N>& names) {
    for (const auto& [n, e] : names)
        if (s == n) return e;
    return std::nullopt;
}

constexpr std::array<std::pair<const char*, Variant>, 3> kVariants{
    {{"joker", Variant::JokerPoker}, {"jacks", Variant::JackOrBetter}, {"deuces", Variant::DeucesWild}}};
constexpr std::array<std::pair<const char*, RiskGame>, 4> kRiskGames{{{"redblack", RiskGame::RedBlack},
                                                                      {"higherlower", RiskGame::HigherLower},
                                                                      {"roulette", RiskGame::Roulette},
                                                                      {"none", RiskGame::None}}};
constexpr std::array<std::pair<const char*, riskdraw::Guess>, 3> kGuesses{
    {{"red", riskdraw::Guess::Red}, {"black", riskdraw::Guess::Black}, {"random", riskdraw::Guess::Random}}};
constexpr std::array<std::pair<const char*, riskdraw::Kind>, 3> kDraws{{{"natural", riskdraw::Kind::Natural},
                                                                        {"favourable", riskdraw::Kind::Favourable},
                                                                        {"unfavourable", riskdraw::Kind::Unfavourable}}};
constexpr std::array<std::pair<const char*, int>, 3> kOutcomes{{{"lost", 1}, {"won", 2}, {"tie", 3}}};

std::string heldText(const std::array<bool, 5>& held) {
    std::string s(5, '0');
    for (std::size_t i = 0; i < 5; ++i)
        if (held[i]) s[i] = '1';
    return s;
}

// ---- reading: every field is checked; anything off makes the line damaged ----

struct Bad {};

const ordered_json& field(const ordered_json& o, const char* key) {
    const auto it = o.find(key);
    if (it == o.end()) throw Bad{};
    return *it;
}

long long integer(const ordered_json& o, const char* key, long long lo, long long hi) {
    const ordered_json& v = field(o, key);
    long long n = 0;
    if (v.is_number_unsigned()) {
        if (v.get<unsigned long long>() > static_cast<unsigned long long>(hi)) throw Bad{};
        n = static_cast<long long>(v.get<unsigned long long>());
    } else if (v.is_number_integer()) {
        n = v.get<long long>();
    } else {
        throw Bad{};
    }
    if (n < lo || n > hi) throw Bad{};
    return n;
}
int amount(const ordered_json& o, const char* key) {
    return static_cast<int>(integer(o, key, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}
bool flag(const ordered_json& o, const char* key) {
    const ordered_json& v = field(o, key);
    if (!v.is_boolean()) throw Bad{};
    return v.get<bool>();
}
std::string text(const ordered_json& o, const char* key) {
    const ordered_json& v = field(o, key);
    if (!v.is_string()) throw Bad{};
    return v.get<std::string>();
}
template <typename E, std::size_t N>
E named(const ordered_json& o, const char* key, const std::array<std::pair<const char*, E>, N>& names) {
    const auto e = parseName(text(o, key), names);
    if (!e) throw Bad{};
    return *e;
}
std::uint32_t seedOf(const ordered_json& o) { return static_cast<std::uint32_t>(integer(o, "seed", 0, 0xFFFFFFFFll)); }
int fortuneOf(const ordered_json& o) { return static_cast<int>(integer(o, "fortune", -100, 100)); }
int rollOf(const ordered_json& o, const char* key) { return static_cast<int>(integer(o, key, 0, 100)); }
Card cardOf(const ordered_json& o, const char* key) { return static_cast<Card>(integer(o, key, 0, 57)); }
Hand handOf(const ordered_json& o, const char* key) {
    const ordered_json& v = field(o, key);
    if (!v.is_array() || v.size() != 5) throw Bad{};
    Hand h{};
    for (std::size_t i = 0; i < 5; ++i) {
        if (!v[i].is_number_integer()) throw Bad{};
        const long long c = v[i].get<long long>();
        if (c < 0 || c > 57) throw Bad{};
        h[i] = static_cast<Card>(c);
    }
    return h;
}
std::array<bool, 5> heldOf(const ordered_json& o, const char* key) {
    const std::string s = text(o, key);
    if (s.size() != 5 || s.find_first_not_of("01") != std::string::npos) throw Bad{};
    std::array<bool, 5> held{};
    for (std::size_t i = 0; i < 5; ++i) held[i] = s[i] == '1';
    return held;
}
char classOf(const ordered_json& o, const char* key) {
    const std::string s = text(o, key);
    if (s.size() != 1 || std::string_view("xpruyqkhfstdwm").find(s[0]) == std::string_view::npos) throw Bad{};
    return s[0];
}

ordered_json stepJson(const Step& s) {
    ordered_json j;
    j["k"] = stepName(s.kind);
    if (s.seed) j["seed"] = *s.seed;
    switch (s.kind) {
    case Step::Kind::Credit:
    case Step::Kind::Take: j["amount"] = s.amount; break;
    case Step::Kind::Half:
        j["amount"] = s.amount;
        j["win"] = s.win;
        break;
    case Step::Kind::Bonus:
        j["pool"] = s.amount;
        j["level"] = s.level;
        j["paid"] = s.right;
        if (s.right) {
            j["win"] = s.win;
            j["jackpot"] = s.jackPot;
        }
        break;
    case Step::Kind::Colour:
        j["guess"] = guessName(s.guess);
        j["fortune"] = s.fortune;
        j["counted"] = s.counted;
        if (s.roll >= 0) j["roll"] = s.roll;
        j["colour"] = s.black ? "black" : "red";
        j["draw"] = drawName(s.draw);
        j["slot"] = s.slot;
        j["card"] = s.card;
        j["right"] = s.right;
        j["win"] = s.win;
        break;
    case Step::Kind::NextCard:
        j["slot"] = s.slot;
        j["card"] = s.card;
        break;
    case Step::Kind::Deal:
        j["fortune"] = s.fortune;
        j["card"] = s.card;
        break;
    case Step::Kind::Pick:
        j["fortune"] = s.fortune;
        j["place"] = s.place;
        j["card"] = s.card;
        j["outcome"] = outcomeName(s.outcome);
        j["win"] = s.win;
        break;
    case Step::Kind::Reveal:
        j["cards"] = s.cards;
        j["turned"] = heldText(s.turned);
        break;
    case Step::Kind::Pull:
        j["shot"] = s.shot;
        j["chambers"] = s.chambers;
        j["survived"] = s.right;
        j["win"] = s.win;
        break;
    case Step::Kind::Top: j["win"] = s.win; break;
    case Step::Kind::TestHand:
        j["cards"] = s.cards;
        j["class"] = std::string(1, s.handClass);
        j["win"] = s.win;
        break;
    case Step::Kind::JackPot: j["amount"] = s.amount; break;
    case Step::Kind::JackPotGuess:
        j["fortune"] = s.fortune;
        j["chosen"] = s.place;
        j["joker"] = s.joker;
        j["hit"] = s.right;
        break;
    case Step::Kind::JackPotClose:
        j["paid"] = s.amount;
        j["jackpot"] = s.jackPot;
        break;
    }
    return j;
}

Step stepOf(const ordered_json& j) {
    if (!j.is_object()) throw Bad{};
    static constexpr std::array<std::pair<const char*, Step::Kind>, 15> kKinds{{
        {"credit", Step::Kind::Credit},
        {"bonus", Step::Kind::Bonus},
        {"colour", Step::Kind::Colour},
        {"next", Step::Kind::NextCard},
        {"deal", Step::Kind::Deal},
        {"pick", Step::Kind::Pick},
        {"reveal", Step::Kind::Reveal},
        {"pull", Step::Kind::Pull},
        {"top", Step::Kind::Top},
        {"take", Step::Kind::Take},
        {"half", Step::Kind::Half},
        {"testhand", Step::Kind::TestHand},
        {"jackpot", Step::Kind::JackPot},
        {"jackpot-guess", Step::Kind::JackPotGuess},
        {"jackpot-close", Step::Kind::JackPotClose},
    }};
    Step s;
    s.kind = named(j, "k", kKinds);
    const bool seeded = s.kind == Step::Kind::Colour || s.kind == Step::Kind::NextCard || s.kind == Step::Kind::Deal ||
                        s.kind == Step::Kind::Pick || s.kind == Step::Kind::Reveal || s.kind == Step::Kind::Pull ||
                        s.kind == Step::Kind::JackPotGuess;
    if (seeded) s.seed = seedOf(j);
    switch (s.kind) {
    case Step::Kind::Credit:
    case Step::Kind::Take: s.amount = amount(j, "amount"); break;
    case Step::Kind::Half:
        s.amount = amount(j, "amount");
        s.win = amount(j, "win");
        break;
    case Step::Kind::Bonus:
        s.amount = amount(j, "pool");
        s.level = amount(j, "level");
        s.right = flag(j, "paid");
        if (s.right) {
            s.win = amount(j, "win");
            s.jackPot = amount(j, "jackpot");
        }
        break;
    case Step::Kind::Colour:
        s.guess = named(j, "guess", kGuesses);
        s.fortune = fortuneOf(j);
        s.counted = flag(j, "counted");
        if (s.guess != riskdraw::Guess::Random) s.roll = rollOf(j, "roll");
        {
            const std::string c = text(j, "colour");
            if (c != "red" && c != "black") throw Bad{};
            s.black = c == "black";
        }
        s.draw = named(j, "draw", kDraws);
        s.slot = static_cast<int>(integer(j, "slot", -10, 10));
        s.card = cardOf(j, "card");
        s.right = flag(j, "right");
        s.win = amount(j, "win");
        break;
    case Step::Kind::NextCard:
        s.slot = static_cast<int>(integer(j, "slot", 1, 7));
        s.card = cardOf(j, "card");
        break;
    case Step::Kind::Deal:
        s.fortune = fortuneOf(j);
        s.card = cardOf(j, "card");
        break;
    case Step::Kind::Pick:
        s.fortune = fortuneOf(j);
        s.place = static_cast<int>(integer(j, "place", 1, 5));
        s.card = cardOf(j, "card");
        s.outcome = named(j, "outcome", kOutcomes);
        s.right = s.outcome == 2;
        s.win = amount(j, "win");
        break;
    case Step::Kind::Reveal:
        s.cards = handOf(j, "cards");
        s.turned = heldOf(j, "turned");
        break;
    case Step::Kind::Pull:
        s.shot = static_cast<int>(integer(j, "shot", 0, 5));
        s.chambers = static_cast<int>(integer(j, "chambers", -10, 6));
        s.right = flag(j, "survived");
        s.win = amount(j, "win");
        break;
    case Step::Kind::Top: s.win = amount(j, "win"); break;
    case Step::Kind::TestHand:
        s.cards = handOf(j, "cards");
        s.handClass = classOf(j, "class");
        s.win = amount(j, "win");
        break;
    case Step::Kind::JackPot: s.amount = amount(j, "amount"); break;
    case Step::Kind::JackPotGuess:
        s.fortune = fortuneOf(j);
        s.place = static_cast<int>(integer(j, "chosen", 1, 3));
        s.joker = static_cast<int>(integer(j, "joker", 1, 3));
        s.right = flag(j, "hit");
        break;
    case Step::Kind::JackPotClose:
        s.amount = amount(j, "paid");
        s.jackPot = amount(j, "jackpot");
        break;
    }
    return s;
}

} // namespace

const char* variantName(Variant v) {
    for (const auto& [n, e] : kVariants)
        if (e == v) return n;
    return "joker";
}

const char* riskGameName(RiskGame g) {
    for (const auto& [n, e] : kRiskGames)
        if (e == g) return n;
    return "none";
}

std::string cardText(Card c) {
    if (c == kJoker) return "JOKER";
    if (isBack(c)) return "BACK";
    if (c < 1 || c > 52) return "-";
    static constexpr const char* kRanks[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
    static constexpr char kSuits[] = "HDCS";
    return std::string(kRanks[(c - 1) % 13]) + kSuits[(c - 1) / 13];
}

std::string handText(const Hand& h) {
    std::string s;
    for (Card c : h) {
        if (!s.empty()) s += ' ';
        s += cardText(c);
    }
    return s;
}

std::string toJsonLine(const GameRecord& r) {
    ordered_json j;
    j["v"] = kFormatVersion;
    j["time"] = r.time;
    j["run"] = r.run;
    j["variant"] = variantName(r.variant);
    j["bet"] = r.bet;
    j["before"] = r.creditsBefore;
    j["after"] = r.creditsAfter;
    j["charged"] = r.charged;
    j["loaded"] = r.loaded;
    j["counted"] = r.counted;
    j["deal"] = {{"seed", r.deal.seed}, {"fortune", r.deal.fortune}, {"roll", r.deal.roll}, {"cards", r.deal.cards}};
    if (r.draw) {
        const Draw& d = *r.draw;
        ordered_json dj = {{"seed", d.seed},          {"fortune", d.fortune},       {"roll", d.roll},
                           {"rollAfter", d.rollAfter}, {"held", heldText(d.held)}, {"cards", d.cards}};
        if (d.from) dj["from"] = *d.from;
        if (d.variant) dj["variant"] = variantName(*d.variant);
        j["draw"] = std::move(dj);
    }
    j["class"] = std::string(1, r.handClass);
    j["line"] = r.line;
    j["win"] = r.win;
    j["risk"] = riskGameName(r.riskGame);
    if (r.riskAtRandom) j["atRandom"] = true;
    ordered_json steps = ordered_json::array();
    for (const Step& s : r.steps) steps.push_back(stepJson(s));
    j["steps"] = std::move(steps);
    // Anything outside ASCII is escaped, so a line is the same bytes in any code page.
    return j.dump(-1, ' ', true, nlohmann::json::error_handler_t::replace);
}

std::optional<GameRecord> fromJsonLine(std::string_view line) {
    const ordered_json j = ordered_json::parse(line.begin(), line.end(), nullptr, false);
    if (j.is_discarded() || !j.is_object()) return std::nullopt;
    try {
        if (integer(j, "v", 1, 1) != kFormatVersion) return std::nullopt;
        GameRecord r;
        r.time = text(j, "time");
        r.run = amount(j, "run");
        r.variant = named(j, "variant", kVariants);
        r.bet = amount(j, "bet");
        r.creditsBefore = amount(j, "before");
        r.creditsAfter = amount(j, "after");
        r.charged = amount(j, "charged");
        r.loaded = amount(j, "loaded");
        r.counted = flag(j, "counted");
        const ordered_json& d = field(j, "deal");
        if (!d.is_object()) return std::nullopt;
        r.deal = {seedOf(d), fortuneOf(d), rollOf(d, "roll"), handOf(d, "cards")};
        if (j.contains("draw")) {
            const ordered_json& dj = j["draw"];
            if (!dj.is_object()) return std::nullopt;
            Draw dr;
            dr.seed = seedOf(dj);
            dr.fortune = fortuneOf(dj);
            dr.roll = rollOf(dj, "roll");
            dr.rollAfter = rollOf(dj, "rollAfter");
            dr.held = heldOf(dj, "held");
            dr.cards = handOf(dj, "cards");
            if (dj.contains("from")) dr.from = handOf(dj, "from");
            if (dj.contains("variant")) dr.variant = named(dj, "variant", kVariants);
            r.draw = dr;
        }
        r.handClass = classOf(j, "class");
        r.line = static_cast<int>(integer(j, "line", 0, 10));
        r.win = amount(j, "win");
        r.riskGame = named(j, "risk", kRiskGames);
        if (j.contains("atRandom")) r.riskAtRandom = flag(j, "atRandom");
        const ordered_json& steps = field(j, "steps");
        if (!steps.is_array()) return std::nullopt;
        for (const ordered_json& s : steps) r.steps.push_back(stepOf(s));
        return r;
    } catch (const Bad&) {
        return std::nullopt;
    } catch (const nlohmann::json::exception&) {
        return std::nullopt;
    }
}

// ---- replay -------------------------------------------------------------------

namespace {

Replay differs(Replay::Code code, const std::string& what) { return {code, what}; }

std::string stepLabel(std::size_t i, const Step& s) {
    return "step " + std::to_string(i + 1) + " (" + stepName(s.kind) + ")";
}

} // namespace

Replay replay(const GameRecord& r) {
    CardImageTable table;
    table.setBuiltInDeck(r.variant);
    const Classifier classify(table, r.variant);

    RandomSource dealRng(r.deal.seed);
    const DealResult d = firstDeal({r.variant, r.deal.fortune, Phase::Settled, &classify}, dealRng);
    if (d.hand != r.deal.cards || d.fortuneRoll != r.deal.roll) {
        std::ostringstream o;
        o << "deal: seed " << r.deal.seed << " deals " << handText(d.hand) << " roll " << d.fortuneRoll
          << ", recorded " << handText(r.deal.cards) << " roll " << r.deal.roll;
        return differs(Replay::Code::Deal, o.str());
    }
    if (!r.draw) return {};

    const Draw& dr = *r.draw;
    const Variant dv = dr.variant.value_or(r.variant);
    CardImageTable drawTable;
    drawTable.setBuiltInDeck(dv);
    const Classifier classifyDraw(drawTable, dv);
    const Hand from = dr.from.value_or(r.deal.cards);
    RandomSource drawRng(dr.seed);
    const DealResult dd = talvern::draw({dv, dr.fortune, Phase::Dealt, &classifyDraw}, drawRng, from, dr.held, dr.roll);
    if (dd.hand != dr.cards || dd.fortuneRoll != dr.rollAfter) {
        std::ostringstream o;
        o << "draw: seed " << dr.seed << " draws " << handText(dd.hand) << " roll " << dd.fortuneRoll << ", recorded "
          << handText(dr.cards) << " roll " << dr.rollAfter;
        return differs(Replay::Code::Draw, o.str());
    }
    const Evaluation e = classifyDraw(dr.cards, Phase::Settled);
    const int line = lineOfClass(dv, e.handClass, e.jacksPair);
    if (r.handClass != 'm' && (e.handClass != r.handClass || line != r.line)) {
        std::ostringstream o;
        o << "class: " << handText(dr.cards) << " is '" << e.handClass << "' line " << line << ", recorded '"
          << r.handClass << "' line " << r.line;
        return differs(Replay::Code::Class, o.str());
    }
    if (r.riskAtRandom) {
        // Drawn right after the draw, from where the draw left the source.
        RandomSource after = drawRng;
        const int g = riskdraw::randomRiskGame(after);
        if (g != static_cast<int>(r.riskGame)) {
            return differs(Replay::Code::RiskChoice, std::string("risk game: chosen at random ") +
                                                         riskGameName(static_cast<RiskGame>(g)) + ", recorded " +
                                                         riskGameName(r.riskGame));
        }
    }

    // The table as the risk games see it.
    Hand hand = dr.cards;
    const Hand before = from;
    if (r.riskGame == RiskGame::HigherLower) hand.fill(54);
    std::array<Card, 7> history;
    history.fill(-1);
    Card dealer = -1;
    int chambers = 6;
    for (std::size_t i = 0; i < r.steps.size(); ++i) {
        const Step& s = r.steps[i];
        const Variant v = r.variant;
        std::ostringstream o;
        RandomSource rng(s.seed.value_or(0));
        switch (s.kind) {
        case Step::Kind::Colour: {
            const riskdraw::Colour c = riskdraw::colour(rng, s.guess, s.fortune, !s.counted);
            const Card card = riskdraw::colourCard(rng, v, c.kind, c.black, hand, before, history, s.slot - 1);
            if (c.black != s.black || c.roll != s.roll || c.kind != s.draw || card != s.card ||
                riskdraw::colourRight(card, c.black) != s.right) {
                o << stepLabel(i, s) << ": seed " << *s.seed << " plays " << (c.black ? "black" : "red") << ", "
                  << drawName(c.kind) << ", turns " << cardText(card) << "; recorded " << (s.black ? "black" : "red")
                  << ", " << drawName(s.draw) << ", " << cardText(s.card);
                return differs(Replay::Code::Step, o.str());
            }
            if (s.slot >= 1 && s.slot <= 7) history[static_cast<std::size_t>(s.slot - 1)] = card;
            break;
        }
        case Step::Kind::NextCard: {
            const Card card = riskdraw::colourCard(rng, v, riskdraw::Kind::Natural, false, hand, before, history, s.slot - 1);
            if (card != s.card) {
                o << stepLabel(i, s) << ": seed " << *s.seed << " turns " << cardText(card) << ", recorded "
                  << cardText(s.card);
                return differs(Replay::Code::Step, o.str());
            }
            history[static_cast<std::size_t>(s.slot - 1)] = card;
            break;
        }
        case Step::Kind::Deal: {
            const Card card = riskdraw::dealerCard(rng, v, s.fortune);
            if (card != s.card) {
                o << stepLabel(i, s) << ": seed " << *s.seed << " deals " << cardText(card) << ", recorded "
                  << cardText(s.card);
                return differs(Replay::Code::Step, o.str());
            }
            dealer = card;
            history[4] = card;
            break;
        }
        case Step::Kind::Pick: {
            const Card card = dealer < 0 ? -1 : riskdraw::pickCard(rng, v, s.fortune, dealer, table);
            const int outcome = card < 0 ? 0 : riskdraw::pickOutcome(dealer, card, table);
            if (card != s.card || outcome != s.outcome) {
                o << stepLabel(i, s) << ": seed " << *s.seed << " gives " << cardText(card) << " ("
                  << (outcome ? outcomeName(outcome) : "no dealer card") << "), recorded " << cardText(s.card) << " ("
                  << outcomeName(s.outcome) << ")";
                return differs(Replay::Code::Step, o.str());
            }
            hand[static_cast<std::size_t>(s.place - 1)] = card;
            break;
        }
        case Step::Kind::Reveal: {
            Hand places = hand;
            riskdraw::revealRest(rng, v, dealer, places, s.turned);
            if (places != s.cards) {
                o << stepLabel(i, s) << ": seed " << *s.seed << " shows " << handText(places) << ", recorded "
                  << handText(s.cards);
                return differs(Replay::Code::Step, o.str());
            }
            hand = places;
            break;
        }
        case Step::Kind::Pull: {
            const int shot = riskdraw::rouletteShot(rng);
            if (shot != s.shot || s.chambers != chambers || (shot < chambers) != s.right) {
                o << stepLabel(i, s) << ": seed " << *s.seed << " gives " << shot << " against " << chambers
                  << " chambers, recorded " << s.shot << " against " << s.chambers;
                return differs(Replay::Code::Step, o.str());
            }
            --chambers;
            break;
        }
        case Step::Kind::JackPotGuess: {
            const int joker = riskdraw::jokerPlace(rng, s.fortune, s.place - 1) + 1;
            if (joker != s.joker || (joker == s.place) != s.right) {
                o << stepLabel(i, s) << ": seed " << *s.seed << " lays the joker under card " << joker
                  << ", recorded card " << s.joker;
                return differs(Replay::Code::Step, o.str());
            }
            break;
        }
        case Step::Kind::TestHand:
            hand = s.cards;
            if (r.riskGame == RiskGame::HigherLower) hand.fill(54);
            break;
        default: break;
        }
    }
    if (dr.from && *dr.from != r.deal.cards) {
        return differs(Replay::Code::DrawFromOther, "draw: began from " + handText(*dr.from) + ", dealt " +
                                                        handText(r.deal.cards));
    }
    return {};
}

} // namespace talvern::recall
