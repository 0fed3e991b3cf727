#include "odds_cli.h"

#include <charconv>
#include <chrono>
#include <iomanip>
#include <iostream>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "census.h"
#include "dealing.h"
#include "evaluator.h"
#include "final_hand_counts.h"
#include "hold_analyzer.h"
#include "paytable.h"
#include "replay_cmd.h"
#include "return_calculator.h"

namespace talvern::odds {
namespace {

// Thrown for bad arguments; its text is the one line the user sees.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

constexpr const char* kUsage =
    "usage: talvern-odds census [--dealt] [VARIANT...]\n"
    "       talvern-odds classify VARIANT dealt|drawn C1 C2 C3 C4 C5   (or - to read hands from stdin)\n"
    "       talvern-odds deal VARIANT SEED FORTUNE\n"
    "       talvern-odds draw VARIANT SEED ROLL FORTUNE C1 C2 C3 C4 C5 HELD\n"
    "       talvern-odds hold VARIANT C1 C2 C3 C4 C5 [--pays P1/../P9] [--charge once|twice]\n"
    "       talvern-odds return VARIANT [--pays P1/../P9] [--charge once|twice]\n"
    "       talvern-odds replay [FILE]   (every game of a recall file, from its seeds)\n"
    "       talvern-odds --help | --version\n"
    "VARIANT: joker, jacks or deuces; Cn: card codes 0..52 (0 the joker, 13*suit+rank,\n"
    "suits hearts, diamonds, clubs, spades); HELD: five 0/1 characters.\n"
    "--pays: the multipliers of pay-table lines 1..9 (or 10) in line order;\n"
    "--charge: twice (default, this machine: the draw charges the bet again unless\n"
    "all five cards are held) or once (only the deal charges).\n"
    "The manual: man 6 talvern-odds.\n";

const char* variantName(Variant v) {
    switch (v) {
    case Variant::JackOrBetter: return "jacks";
    case Variant::DeucesWild: return "deuces";
    default: return "joker";
    }
}

Variant parseVariant(const std::string& s) {
    if (s == "joker") return Variant::JokerPoker;
    if (s == "jacks") return Variant::JackOrBetter;
    if (s == "deuces") return Variant::DeucesWild;
    throw UsageError("unknown variant '" + s + "' (use joker, jacks or deuces)");
}

long long parseInteger(const std::string& s, const char* what) {
    long long v = 0;
    const char* end = s.data() + s.size();
    auto [p, ec] = std::from_chars(s.data(), end, v);
    if (s.empty() || ec != std::errc() || p != end) throw UsageError(std::string(what) + " '" + s + "' is not an integer");
    return v;
}

std::uint32_t parseSeed(const std::string& s) {
    const long long v = parseInteger(s, "seed");
    if (v < 0 || v > 0xFFFFFFFFll) throw UsageError("seed " + s + " is outside 0..4294967295");
    return static_cast<std::uint32_t>(v);
}

int parseFortune(const std::string& s) {
    const long long v = parseInteger(s, "fortune");
    if (v < -100 || v > 100) throw UsageError("fortune " + s + " is outside -100..100");
    return static_cast<int>(v);
}

int parseRoll(const std::string& s) {
    const long long v = parseInteger(s, "roll");
    if (v < 0 || v > 100) throw UsageError("roll " + s + " is outside 0..100");
    return static_cast<int>(v);
}

Hand parseHand(Variant v, const std::vector<std::string>& words, std::size_t from) {
    if (words.size() < from + 5) throw UsageError("five card codes are needed");
    Hand h{};
    for (std::size_t i = 0; i < 5; ++i) {
        const std::string& w = words[from + i];
        const long long c = parseInteger(w, "card code");
        if (c < 0 || c > 57) throw UsageError("card code " + w + " is outside 0..57");
        if (isBack(static_cast<Card>(c))) throw UsageError("card code " + w + " is a card back, not a card");
        if (!inDeck(v, static_cast<Card>(c)))
            throw UsageError(std::string("the joker (0) is not in the deck of ") + variantName(v));
        for (std::size_t j = 0; j < i; ++j)
            if (h[j] == c) throw UsageError("card " + w + " is given twice");
        h[i] = static_cast<Card>(c);
    }
    return h;
}

Phase parsePhase(const std::string& s) {
    if (s == "dealt") return Phase::Dealt;
    if (s == "drawn") return Phase::Settled;
    throw UsageError("unknown phase '" + s + "' (use dealt or drawn)");
}

std::array<bool, 5> parseHeld(const std::string& s) {
    if (s.size() != 5 || s.find_first_not_of("01") != std::string::npos)
        throw UsageError("HELD '" + s + "' must be five 0/1 characters");
    std::array<bool, 5> held{};
    for (std::size_t i = 0; i < 5; ++i) held[i] = s[i] == '1';
    return held;
}

void expectCount(const std::vector<std::string>& a, std::size_t n, const char* command) {
    if (a.size() != n) throw UsageError(std::string(command) + " takes " + std::to_string(n - 1) + " arguments");
}

CardImageTable tableFor(Variant v) {
    CardImageTable t;
    t.setBuiltInDeck(v);
    return t;
}

void printEvaluation(std::ostream& out, Variant v, const Evaluation& e) {
    out << "class=" << e.handClass << " risk=";
    if (e.risk) out << e.risk;
    else out << '-';
    out << " flags=";
    for (int i = 0; i < 5; ++i) out << (e.flagged(i) ? '1' : '0');
    out << " bonus=" << e.bonusPairs << " jacks=" << (e.jacksPair ? 1 : 0) << " line=";
    const int line = lineOfClass(v, e.handClass, e.jacksPair);
    if (line) out << line;
    else out << '-';
    out << '\n';
}

void printCards(std::ostream& out, const DealResult& r) {
    out << "roll=" << r.fortuneRoll << " cards=";
    for (std::size_t i = 0; i < 5; ++i) out << (i ? " " : "") << r.hand[i];
    out << '\n';
}

int cmdCensus(const std::vector<std::string>& a, std::ostream& out) {
    Phase phase = Phase::Settled;
    std::vector<Variant> variants;
    for (std::size_t i = 1; i < a.size(); ++i) {
        if (a[i] == "--dealt") phase = Phase::Dealt;
        else variants.push_back(parseVariant(a[i]));
    }
    if (variants.empty()) variants = {Variant::JokerPoker, Variant::JackOrBetter, Variant::DeucesWild};
    const auto start = std::chrono::steady_clock::now();
    for (Variant v : variants) {
        const Census c = census(v, phase);
        for (const std::string& label : censusLabels(v)) out << variantName(v) << ' ' << label << ' ' << c.counts.at(label) << '\n';
        out << variantName(v) << " total " << c.total << '\n';
        if (phase == Phase::Dealt) {
            out << variantName(v) << " hint4 " << c.hint4 << '\n';
            out << variantName(v) << " hint5 " << c.hint5 << '\n';
        }
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    out << "seconds " << std::fixed << std::setprecision(3) << took.count() << '\n';
    return 0;
}

int cmdClassify(const std::vector<std::string>& a, std::istream& in, std::ostream& out, std::ostream& err) {
    if (a.size() < 3) throw UsageError("classify takes VARIANT PHASE and five card codes or -");
    const Variant v = parseVariant(a[1]);
    const Phase phase = parsePhase(a[2]);
    const Classifier classify(tableFor(v), v);
    if (a.size() == 4 && a[3] == "-") {
        // One hand per line; a bad line is reported with its number and the
        // run goes on, so one typo does not hide a million answers.
        std::string line;
        int status = 0;
        for (long lineNo = 1; std::getline(in, line); ++lineNo) {
            std::istringstream words(line);
            std::vector<std::string> w;
            for (std::string s; words >> s;) w.push_back(s);
            if (w.empty()) continue;
            try {
                if (w.size() != 5) throw UsageError("five card codes are needed");
                printEvaluation(out, v, classify(parseHand(v, w, 0), phase));
            } catch (const UsageError& e) {
                err << "talvern-odds: line " << lineNo << ": " << e.what() << '\n';
                out << "error\n";
                status = 2;
            }
        }
        return status;
    }
    expectCount(a, 8, "classify");
    printEvaluation(out, v, classify(parseHand(v, a, 3), phase));
    return 0;
}

int cmdDeal(const std::vector<std::string>& a, std::ostream& out) {
    expectCount(a, 4, "deal");
    const Variant v = parseVariant(a[1]);
    RandomSource rng(parseSeed(a[2]));
    const int fortune = parseFortune(a[3]);
    const Classifier classify(tableFor(v), v);
    printCards(out, firstDeal({v, fortune, Phase::Settled, &classify}, rng));
    return 0;
}

int cmdDraw(const std::vector<std::string>& a, std::ostream& out) {
    expectCount(a, 11, "draw");
    const Variant v = parseVariant(a[1]);
    RandomSource rng(parseSeed(a[2]));
    const int roll = parseRoll(a[3]);
    const int fortune = parseFortune(a[4]);
    const Hand hand = parseHand(v, a, 5);
    const auto held = parseHeld(a[10]);
    const Classifier classify(tableFor(v), v);
    printCards(out, draw({v, fortune, Phase::Dealt, &classify}, rng, hand, held, roll));
    return 0;
}

// ---- exact odds ------------------------------------------------------------

constexpr int kDecimals = 9;
constexpr int kReturnDecimals = 12;
constexpr long long kMaxMultiplier = 1000000;

struct OddsOptions {
    std::optional<std::vector<int>> pays;
    Charge charge = Charge::Twice;
};

std::vector<int> parsePays(const std::string& s) {
    std::vector<int> lines;
    std::size_t from = 0;
    for (;;) {
        const std::size_t slash = s.find('/', from);
        const std::string word = s.substr(from, slash == std::string::npos ? std::string::npos : slash - from);
        const long long m = parseInteger(word, "pay multiplier");
        if (m < 0 || m > kMaxMultiplier)
            throw UsageError("pay multiplier " + word + " is outside 0.." + std::to_string(kMaxMultiplier));
        lines.push_back(static_cast<int>(m));
        if (slash == std::string::npos) break;
        from = slash + 1;
    }
    if (lines.size() != 9 && lines.size() != 10)
        throw UsageError("--pays '" + s + "' must give 9 or 10 multipliers separated by /");
    return lines;
}

// The options after the positional arguments, from index `from` on.
OddsOptions parseOddsOptions(const std::vector<std::string>& a, std::size_t from) {
    OddsOptions o;
    for (std::size_t i = from; i < a.size(); ++i) {
        const std::string& opt = a[i];
        if (opt != "--pays" && opt != "--charge") throw UsageError("unknown argument '" + opt + "'");
        if (i + 1 >= a.size()) throw UsageError(opt + " needs a value");
        const std::string& value = a[++i];
        if (opt == "--pays") {
            o.pays = parsePays(value);
        } else if (value == "once") {
            o.charge = Charge::Once;
        } else if (value == "twice") {
            o.charge = Charge::Twice;
        } else {
            throw UsageError("--charge '" + value + "' must be once or twice");
        }
    }
    return o;
}

PayScale paysFor(Variant v, const OddsOptions& o) { return o.pays ? PayScale(v, *o.pays) : PayScale(v); }

const char* chargeName(Charge c) { return c == Charge::Once ? "once" : "twice"; }

int oddsThreads() {
    const unsigned cores = std::thread::hardware_concurrency();
    return cores >= 2 ? 2 : 1;
}

std::string exactText(const Fraction& f) { return f.decimal(kDecimals) + " (" + f.text() + ")"; }

int cmdHold(const std::vector<std::string>& a, std::ostream& out) {
    if (a.size() < 7) throw UsageError("hold takes VARIANT and five card codes");
    const Variant v = parseVariant(a[1]);
    const Hand hand = parseHand(v, a, 2);
    const OddsOptions o = parseOddsOptions(a, 7);
    const PayScale pays = paysFor(v, o);

    const FinalHandCounts counts(v, oddsThreads());
    const Outcomes& outcomes = counts.outcomes();
    out << "hand " << variantName(v);
    for (Card c : hand) out << ' ' << c;
    out << " pays " << pays.text() << " charge " << chargeName(o.charge) << '\n';
    for (const HoldResult& r : HoldAnalyzer(counts).rank(hand, pays, o.charge)) {
        std::string mask, held;
        for (int i = 0; i < 5; ++i) {
            mask += r.keeps(i) ? '1' : '0';
            if (r.keeps(i)) held += (held.empty() ? "" : ",") + std::to_string(hand[static_cast<std::size_t>(i)]);
        }
        out << mask << " held=" << (held.empty() ? "-" : held) << " ev=" << exactText(r.expectedPay())
            << " net=" << exactText(r.net());
        for (int s = 0; s < outcomes.count(); ++s) out << ' ' << outcomes.label(s) << '=' << r.counts[static_cast<std::size_t>(s)];
        out << " draws=" << r.draws << '\n';
    }
    return 0;
}

int cmdReturn(const std::vector<std::string>& a, std::ostream& out) {
    if (a.size() < 2) throw UsageError("return takes VARIANT");
    const Variant v = parseVariant(a[1]);
    const OddsOptions o = parseOddsOptions(a, 2);
    const PayScale pays = paysFor(v, o);

    const auto start = std::chrono::steady_clock::now();
    const FinalHandCounts counts(v, oddsThreads());
    const ReturnResult r = ReturnCalculator(counts).compute(pays, o.charge, oddsThreads());
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;

    const Outcomes& outcomes = counts.outcomes();
    out << "variant " << variantName(v) << " pays " << pays.text() << " charge " << chargeName(o.charge) << '\n';
    out << "games " << r.games << " suit-classes " << r.dealClasses << '\n';
    const Fraction ret = r.returnPerCredit();
    out << "return " << ret.decimal(kReturnDecimals) << " (" << ret.text() << ")\n";
    out << "pay-per-game " << exactText(r.payPerGame()) << '\n';
    out << "charge-per-game " << exactText(r.chargePerGame()) << '\n';
    out << "hit " << exactText(r.hitFrequency()) << '\n';
    for (int s = 0; s < outcomes.count(); ++s)
        out << "class " << outcomes.label(s) << ' ' << exactText(r.slotFrequency(s)) << '\n';
    out << "hold-all " << exactText(r.holdAllShare()) << '\n';
    out << "seconds " << std::fixed << std::setprecision(3) << took.count() << '\n';
    return 0;
}

} // namespace

int run(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        (args.empty() ? err : out) << kUsage;
        return args.empty() ? 2 : 0;
    }
    if (args[0] == "--version") {
        out << "talvern-odds " TALVERN_VERSION "\n";
        return 0;
    }
    try {
        const std::string& cmd = args[0];
        if (cmd == "census") return cmdCensus(args, out);
        if (cmd == "classify") return cmdClassify(args, in, out, err);
        if (cmd == "deal") return cmdDeal(args, out);
        if (cmd == "draw") return cmdDraw(args, out);
        if (cmd == "hold") return cmdHold(args, out);
        if (cmd == "return") return cmdReturn(args, out);
        if (cmd == "replay") return replayCommand(args, out, err);
        throw UsageError("unknown command '" + cmd + "' (try --help)");
    } catch (const UsageError& e) {
        err << "talvern-odds: " << e.what() << '\n';
        return 2;
    }
}

} // namespace talvern::odds
