#pragma once
// A cabinet in virtual time: a pacer that only counts milliseconds (and runs
// scheduled "player" actions while a pause handles events), a recording
// sound port, a clock the test sets, and a window that answers questions.
#include <deque>
#include <functional>
#include <map>
#include <vector>

#include "controller.h"
#include "dealing.h"

namespace talvern::test {

class VirtualPacer : public Pacer {
public:
    long now = 0;
    struct Wait {
        char kind;  // 'p' pause, 'h' hold
        int ms;
    };
    std::vector<Wait> waits;
    bool closing = false;
    int droppedInput = 0;

    // Runs f when virtual time reaches t inside a pause (input is dropped
    // while a hold waits, as the real cabinet filters it).
    void at(long t, std::function<void()> f) { scheduled_.emplace(t, std::move(f)); }

    void pause(int ms) override {
        if (closing) throw Unwind{};
        waits.push_back({'p', ms});
        const long end = now + ms;
        while (!scheduled_.empty() && scheduled_.begin()->first <= end) {
            auto it = scheduled_.begin();
            now = std::max(now, it->first);
            auto f = std::move(it->second);
            scheduled_.erase(it);
            f();
            if (closing) throw Unwind{};
        }
        now = end;
    }
    void hold(int ms) override {
        if (closing) throw Unwind{};
        waits.push_back({'h', ms});
        const long end = now + ms;
        while (!scheduled_.empty() && scheduled_.begin()->first <= end) {
            scheduled_.erase(scheduled_.begin());
            ++droppedInput;
        }
        now = end;
    }
    void processEvents() override {
        if (closing) throw Unwind{};
    }

    int total(char kind) const {
        int sum = 0;
        for (const Wait& w : waits)
            if (w.kind == kind) sum += w.ms;
        return sum;
    }

private:
    std::multimap<long, std::function<void()>> scheduled_;
};

struct RecordingSound : SoundPort {
    struct Start {
        SoundId id;
        bool loop;
    };
    std::vector<Start> started;
    void start(SoundId id, bool loop) override { started.push_back({id, loop}); }
    int count(SoundId id) const {
        int n = 0;
        for (const Start& s : started) n += s.id == id;
        return n;
    }
};

struct SetClock : Clock {
    std::uint32_t ms = 12345;
    std::uint32_t millisecondsOfDayUtc() override { return ms; }
};

struct FakeWindow : WindowPort {
    bool answer = true;
    std::vector<QString> asked, opened;
    int closed = 0, minimized = 0, toggled = 0, help = 0, about = 0, totals = 0, settings = 0;
    // What happens while a question is open (a timer firing, a click).
    std::function<void()> whileAsking;
    bool ask(const QString& q) override {
        asked.push_back(q);
        if (whileAsking) whileAsking();
        return answer;
    }
    void openAddress(const QString& url) override { opened.push_back(url); }
    void openHelp() override { ++help; }
    void showAbout() override { ++about; }
    void showTotals() override { ++totals; }
    void showSettings() override { ++settings; }
    void minimize() override { ++minimized; }
    void toggleFullScreen() override { ++toggled; }
    void closeWindow() override { ++closed; }
};

struct Rig {
    VirtualPacer pacer;
    RecordingSound sound;
    SetClock clock;
    FakeWindow window;
    Controller c{pacer, sound, clock, window};
    Machine& m = c.machine;
    MachineState& s = c.machine.state;
    Cabinet& cab = c.machine.cabinet;

    void load(int times = 1) {
        for (int i = 0; i < times; ++i) c.click(Ctl::btnpay);
    }
    bool deal() { return c.click(Ctl::Deal); }
    void toggle(int pos) { c.click(static_cast<Ctl>(static_cast<int>(Ctl::Im1) + pos)); }

    // Puts a chosen hand on the table after a first deal and holds all five,
    // so that the next Deal evaluates exactly this hand as the final one.
    void finalHand(const Hand& h) {
        if (s.phase != Phase::Dealt) deal();
        s.hand = h;
        for (int i = 0; i < 5; ++i) {
            m.showCard(i, h[static_cast<std::size_t>(i)]);
            m.setHeld(i, true);
        }
    }

    // A clock value whose first deal satisfies pred.
    template <typename Pred>
    std::uint32_t seedFor(Pred pred) {
        const Classifier classify = m.classifier();
        for (std::uint32_t seed = 1;; ++seed) {
            RandomSource r(seed);
            const DealResult d = firstDeal({m.options.variant, 0, Phase::Settled, &classify}, r);
            if (pred(d.hand, classify(d.hand, Phase::Dealt))) return seed;
        }
    }
};

} // namespace talvern::test
