#include "jackpot.h"

#include "riskdraws.h"

namespace talvern {

namespace {
constexpr Card kJokerFace = kJoker;
constexpr Card kOtherFace = 14;  // the ace of diamonds
} // namespace

void JackPotFlow::open() {
    view = JackPotView{};
    view.cards = {faceName(kOtherFace), faceName(kOtherFace), faceName(kJokerFace)};
    view.shuffleTimer = view.countUpTimer = true;
    amountAtOpen_ = m_.cabinet.RxLabel6.text.toInt();
    countedUp_ = 0;
    countDown_ = amountAtOpen_;
    shufflePos_ = 1;
    hits_ = 0;
    paid_ = 0;
    closed_ = false;
    paying_ = false;
    lineOneZero_ = false;
    m_.recorder.jackPotOpened(amountAtOpen_);
}

void JackPotFlow::shuffleTick() {
    if (!view.shuffleTimer) return;
    if (shufflePos_ > 3) shufflePos_ = 1;
    for (int i = 0; i < 3; ++i) view.cards[static_cast<std::size_t>(i)] = faceName(i == shufflePos_ - 1 ? kJokerFace : kOtherFace);
    m_.play(SoundId::Card);
    ++shufflePos_;
}

void JackPotFlow::countUpTick() {
    if (!view.countUpTimer) return;
    if (countedUp_ < amountAtOpen_) {
        ++countedUp_;
        view.amount = QString::number(countedUp_);
        --countDown_;
        m_.cabinet.RxLabel6.text = QString::number(countDown_);
    }
    if (countedUp_ >= amountAtOpen_) {
        endCountUp();
        m_.cabinet.payValue[0].text = QStringLiteral("0");
        lineOneZero_ = true;
        setUpGuess();
    }
}

void JackPotFlow::endCountUp() {
    view.shuffleTimer = view.countUpTimer = false;
    view.pressAnyKeyVisible = false;
    view.amount = QString::number(amountAtOpen_);
}

void JackPotFlow::keyPressed(bool f12) {
    // Keys pressed while a payout is counted are ignored: they would set up a
    // guess in the middle of it.
    if (paying_) return;
    if (view.shuffleTimer && !lineOneZero_ && !f12) {
        endCountUp();
        m_.cabinet.RxLabel6.text = QStringLiteral("0");
        setUpGuess();
    }
}

void JackPotFlow::setUpGuess() {
    view.shuffleTimer = view.countUpTimer = false;
    const QString back = backName();
    view.cards = {back, back, back};
    view.findJokerVisible = true;
    view.yesVisible = true;
    m_.play(SoundId::Serdze);
}

void JackPotFlow::cardClick(int i) {
    if (i < 0 || i > 2 || !view.cardsEnabled[static_cast<std::size_t>(i)] || paying_) return;
    pick_ = i;
    if (view.shuffleTimer) return;
    view.yesEnabled = true;
    for (int k = 0; k < 3; ++k) view.sure[static_cast<std::size_t>(k)] = k == i;
}

void JackPotFlow::confirm() {
    if (!view.yesVisible || !view.yesEnabled || paying_) return;
    m_.random.reseed(m_.clock);
    const std::uint32_t seed = m_.random.seed();
    const int f = m_.options.fortune[3];
    const int chosen = pick_;
    pick_ = riskdraw::jokerPlace(m_.random, f, chosen);
    view.yesVisible = false;
    // A click on a card while the reveal is shown would choose it for the
    // next guess before that guess is set up.
    view.cardsEnabled = {false, false, false};
    for (int i = 0; i < 3; ++i) view.cards[static_cast<std::size_t>(i)] = faceName(i == pick_ ? kJokerFace : kOtherFace);
    m_.recorder.jackPotGuess(seed, f, chosen, pick_, view.sure[static_cast<std::size_t>(pick_)]);

    if (view.sure[static_cast<std::size_t>(pick_)]) {
        m_.play(SoundId::Yes);
        view.findJokerVisible = false;
        view.yesVisible = false;
        view.sure = {};
        m_.pacer.processEvents();
        m_.pacer.hold(2000);
        view.shuffleTimer = true;
        payOut();
    } else {
        m_.play(SoundId::No);
        m_.pacer.processEvents();
        m_.pacer.hold(2000);
        close();
        m_.setJackPot(amountAtOpen_ - paid_);
        m_.recorder.jackPotShown(m_.state.jackPot);
        view.sure = {};
    }
}

void JackPotFlow::payOut() {
    paying_ = true;
    view.cardsEnabled = {false, false, false};
    view.yesEnabled = false;
    const int total = view.amount.toInt();
    paid_ = view.paid.toInt();
    view.winVisible = true;
    if (hits_ < 2) {
        const int share = total / 3;
        for (int i = 0; i < share; ++i) {
            ++paid_;
            view.paid = QString::number(paid_);
            m_.pacer.processEvents();
        }
        setUpGuess();
    } else {
        while (view.amount.toInt() > paid_ && paid_ != total) {
            ++paid_;
            view.paid = QString::number(paid_);
            m_.pacer.processEvents();
        }
        view.yellow = true;
        m_.pacer.processEvents();
        m_.pacer.pause(300);
        view.yellow = false;
        close();
    }
    hits_ = std::min(hits_ + 1, 2);
    view.cardsEnabled = {true, true, true};
    paying_ = false;
}

void JackPotFlow::close() {
    if (closed_) return;
    amountAtOpen_ -= paid_;
    m_.setJackPot(amountAtOpen_ >= kFloor ? amountAtOpen_ : kFloor);
    m_.recorder.jackPotClosed(paid_, m_.state.jackPot);
    if (!m_.options.statsOff()) m_.stats.countedJackPot = m_.state.jackPot;
    view.shuffleTimer = view.countUpTimer = false;
    m_.setCredits(addSaturated(m_.state.credits, paid_));
    paid_ = 0;
    paying_ = false;
    closed_ = true;
}

} // namespace talvern
