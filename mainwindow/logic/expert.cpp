#include "expert.h"

#include <QStringList>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "ladder.h"
#include "risk_odds.h"
#include "roulette.h"

namespace talvern {

namespace expert {

namespace {
QString decimalComma(std::string s) {
    std::replace(s.begin(), s.end(), '.', ',');
    return QString::fromStdString(s);
}
} // namespace

QString amount(const odds::Fraction& credits) { return decimalComma(credits.decimal(2)); }

QString signedAmount(const odds::Fraction& credits) {
    return (credits.num() < 0 ? QString() : QStringLiteral("+")) + amount(credits);
}

QString percent(const odds::Fraction& chance) {
    return decimalComma(odds::Fraction(chance.num() * 100, chance.den()).decimal(1)) + QStringLiteral(" %");
}

QString cardShort(Card c) {
    if (c == kJoker) return QStringLiteral("джокер");
    if (c < 1 || c > 52) return {};
    static const char* const ranks[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
    static const char16_t suits[] = {u'♥', u'♦', u'♣', u'♠'};
    return QString::fromLatin1(ranks[(c - 1) % 13]) + QChar(suits[(c - 1) / 13]);
}

QString keptCards(const Hand& hand, unsigned held) {
    if (held == 31) return QStringLiteral("все пять");
    if (held == 0) return QStringLiteral("ни одной");
    QStringList cards;
    for (std::size_t i = 0; i < 5; ++i)
        if ((held >> i) & 1u) cards << cardShort(hand[i]);
    return cards.join(u' ');
}

int costInHundredths(const odds::Fraction& perUnitBet, int bet) {
    const odds::Int128 n = perUnitBet.num() * bet * 100;
    const odds::Int128 d = perUnitBet.den();
    const odds::Int128 rounded = n >= 0 ? (2 * n + d) / (2 * d) : -((-2 * n + d) / (2 * d));
    return clampedToInt(static_cast<long long>(std::clamp<odds::Int128>(rounded, INT64_MIN, INT64_MAX)));
}

} // namespace expert

namespace {

const QString kBentHint = QStringLiteral("Колода подкручена фортуной! Честный совет:");
const QString kBentOdds = QStringLiteral("Подкручено фортуной! Честно:");

odds::Fraction atBet(const odds::Fraction& perUnit, int bet) { return {perUnit.num() * bet, perUnit.den()}; }

QString netWords(const odds::HoldResult& r, int bet) {
    return QStringLiteral("в среднем чистыми %1 кредита").arg(expert::signedAmount(atBet(r.net(), bet)));
}

bool usable(const Control& c) { return c.visible && c.enabled; }

// How much less a hold nets than the best, per unit bet.
odds::Fraction shortfall(const odds::HoldResult& best, const odds::HoldResult& chosen) {
    const odds::Fraction a = best.net(), b = chosen.net();
    return {a.num() * b.den() - b.num() * a.den(), a.den() * b.den()};
}

QString against(const odds::Fraction& worth, int now) {
    return QStringLiteral("в среднем %1 против %2 на кону").arg(expert::amount(worth)).arg(now);
}

} // namespace

bool ExpertFlow::handOnTable() const {
    const MachineState& s = m_.state;
    if (!dealt_ || s.phase != Phase::Dealt) return false;
    for (Card c : s.hand)
        if (!inDeck(m_.options.variant, c)) return false;
    return true;
}

const odds::HoldResult& ExpertFlow::best() { return advisor_.best(m_.options.variant, m_.state.hand); }

unsigned ExpertFlow::heldMask() const {
    unsigned mask = 0;
    for (std::size_t i = 0; i < 5; ++i)
        if (m_.state.held[i]) mask |= 1u << i;
    return mask;
}

ExpertView ExpertFlow::view() {
    ExpertView v;
    v.bent = m_.options.bent();
    if (!m_.options.hint) return v;
    if (handOnTable()) {
        const odds::HoldResult& b = best();
        v.advice = true;
        for (int i = 0; i < 5; ++i) v.keep[static_cast<std::size_t>(i)] = b.keeps(i);
        v.net = netWords(b, m_.state.bet);
        const QString advice = QStringLiteral("оставить %1 · %2").arg(expert::keptCards(m_.state.hand, b.held), v.net);
        v.hint = v.bent ? kBentHint + u' ' + advice : QStringLiteral("Совет: ") + advice + QStringLiteral(" · F2");
    }
    v.odds = riskOdds();
    if (!v.odds.isEmpty() && v.bent) v.odds = kBentOdds + u' ' + v.odds;
    return v;
}

QString ExpertFlow::riskOdds() {
    const MachineState& s = m_.state;
    const Cabinet& cab = m_.cabinet;
    const Variant v = m_.options.variant;
    const int now = s.win;

    // Red-Black, between two guesses: the next card is any card not yet out.
    if (cab.Panel3.visible && s.redBlackPanel && usable(cab.BtnRed) && usable(cab.BtnBlack)) {
        const int counter = v == Variant::DeucesWild && s.riskCounter == 10 ? 9 : s.riskCounter;
        if (risk::atTop(counter)) return {};
        const int slot = risk::slotOf(counter);
        std::vector<Card> out(s.hand.begin(), s.hand.end());
        out.insert(out.end(), s.handBeforeDraw.begin(), s.handBeforeDraw.end());
        out.insert(out.end(), s.historyCards.begin(), s.historyCards.begin() + std::clamp(slot - 1, 0, risk::kHistorySlots));
        const odds::RedBlackChances c = odds::redBlackChances(v, out);
        const int next = risk::atTop(counter - 1) ? s.maxWin : addSaturated(s.win, s.win);
        const odds::StepChances better = c.guess(c.black > c.red);
        return QStringLiteral("Красное %1 из %3 (%4) · черное %2 из %3 (%5) · дальше %6")
            .arg(c.red)
            .arg(c.black)
            .arg(c.cards)
            .arg(expert::percent(c.guess(false).right), expert::percent(c.guess(true).right),
                 against(odds::expectedWorth(better, next, now), now));
    }

    // Russian Roulette, before a pull: the rung the pull climbs to.
    if (cab.Panel4.visible && cab.RusRul.visible && usable(cab.BtnYes1)) {
        const int shown = cab.RxLabel27.text.toInt();
        int next = s.maxWin;
        switch (s.riskCounter - 1) {
        case 6: next = roulette::firstRung(shown); break;
        case 5: next = roulette::secondRung(shown); break;
        case 4: next = 2 * shown; break;
        case 3: next = 3 * shown; break;
        default: break;
        }
        const odds::StepChances c = odds::roulettePull(s.chambers);
        return QStringLiteral("Пронесёт: %1 из 6 (%2) · жать на курок %3")
            .arg(std::clamp(s.chambers, 0, 6))
            .arg(expert::percent(c.right), against(odds::expectedWorth(c, next, shown), shown));
    }

    // Higher-Lower: a right pick doubles the win, never above the top, and
    // the top pays the maximum win; a tie plays the step again.
    const int afterRight = risk::atTop(s.riskCounter - 1) ? s.maxWin : std::min(addSaturated(s.win, s.win), s.maxWin);
    if (cab.Panel4.visible && cab.RdBl.visible && usable(cab.BtnYes1)) {
        if (risk::atTop(s.riskCounter)) return {};
        const odds::StepChances c = odds::higherLowerStep(v);
        return QStringLiteral("Следующая карта выше: %1, равна: %2 · дальше %3")
            .arg(expert::percent(c.right), expert::percent(c.tie), against(odds::expectedWorth(c, afterRight, now), now));
    }
    const Card dealer = s.historyCards[4];
    const bool picking = std::all_of(cab.Im.begin(), cab.Im.end(), [](const CardPlace& p) {
        return p.enabled && p.cursor == CardCursor::Hand;
    });
    if (s.higherLowerActive && cab.RdBl.visible && picking && inDeck(v, dealer)) {
        const odds::PickCounts p = odds::pickCounts(v, dealer);
        const odds::StepChances c = odds::higherLowerStep(v, dealer);
        return QStringLiteral("Выше %1: %2 из %4 (%5), равна: %3 из %4 · эта карта %6")
            .arg(expert::cardShort(dealer))
            .arg(p.higher)
            .arg(p.equal)
            .arg(p.cards())
            .arg(expert::percent(c.right), against(odds::expectedWorth(c, afterRight, now), now));
    }
    return {};
}

QString ExpertFlow::trainerQuestion() {
    const MachineState& s = m_.state;
    if (!m_.options.trainer || !handOnTable() || !s.anyHeld()) return {};
    const odds::HoldResult& b = best();
    const odds::HoldResult& chosen = advisor_.hold(m_.options.variant, s.hand, heldMask());
    const odds::Fraction gap = shortfall(b, chosen);
    if (expert::costInHundredths(gap, s.bet) <= 0) return {};
    QString q = QStringLiteral("Лучше оставить %1: %2.\nТак, как сейчас, %3: ошибка обойдётся в среднем в %4 кредита.")
                    .arg(expert::keptCards(s.hand, b.held), netWords(b, s.bet), netWords(chosen, s.bet),
                         expert::amount(atBet(gap, s.bet)));
    if (m_.options.bent()) q += u'\n' + expert::kBent;
    return q + QStringLiteral("\nМенять карты так?");
}

bool ExpertFlow::approveDraw(const std::function<bool(const QString&)>& ask) {
    const MachineState& s = m_.state;
    if (!m_.options.trainer || !handOnTable() || !s.anyHeld()) return true;
    const QString question = trainerQuestion();
    if (!question.isEmpty()) {
        const bool draw = ask(question);
        // The game may have ended while the question was open (the time
        // limit), or the program be closing: this step stops here then.
        m_.pacer.processEvents();
        if (!draw) return false;
    }
    if (!m_.options.statsOff()) {
        const int cost = expert::costInHundredths(
            shortfall(best(), advisor_.hold(m_.options.variant, s.hand, heldMask())), s.bet);
        Statistics& st = m_.stats;
        countOne(st.trainerDecisions);
        if (cost > 0) {
            countOne(st.trainerMistakes);
            st.trainerCost = addSaturated(st.trainerCost, cost);
        }
    }
    return true;
}

void ExpertFlow::applyHint() {
    const ExpertView v = view();
    if (!v.advice) return;
    for (int i = 0; i < 5; ++i)
        if (m_.state.held[static_cast<std::size_t>(i)] != v.keep[static_cast<std::size_t>(i)]) game_.cardClick(i);
}

} // namespace talvern
