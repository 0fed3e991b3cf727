#pragma once
// Every delay of the game goes through a Pacer, so the rules can run in
// virtual time in the tests and in real time in the cabinet.

#include <utility>
#include <vector>

namespace talvern {

// Thrown out of a wait when the program is closing: the flow that waited
// unwinds to the handler that started it, and nothing more of it runs.
struct Unwind {};

// Thrown out of a wait when the game the waiting step belongs to ended while
// it waited (a take inside the wait brought the win to nothing, the time
// limit ended the run): the step stops there, as it would at the close.
struct GameEnded : Unwind {};

class Pacer {
public:
    virtual ~Pacer() = default;
    // Waits while window events (clicks, keys, timers) are still handled.
    virtual void pause(int ms) = 0;
    // Waits while the player's clicks and keys are ignored.
    virtual void hold(int ms) = 0;
    // Lets the events that are already pending run, then returns.
    virtual void processEvents() = 0;
};

// The pacer as the game flows see it. Every wait of a step returns only
// while the game the step began in is still on: a step that ran inside the
// wait may have ended it, and whatever the waiting step would do next
// (lay out its table again, move the ladder, show its buttons) would be
// done on a board that is no longer in play.
class StepPacer : public Pacer {
public:
    explicit StepPacer(Pacer& inner) : inner_(inner) {}

    void pause(int ms) override {
        wait([&] { inner_.pause(ms); });
    }
    void hold(int ms) override {
        wait([&] { inner_.hold(ms); });
    }
    void processEvents() override {
        wait([&] { inner_.processEvents(); });
    }

    // One for each handler of an input or a timer, for as long as it runs.
    class Step {
    public:
        explicit Step(StepPacer& p) : p_(p) { p_.steps_.push_back(p_.game_); }
        ~Step() {
            p_.steps_.pop_back();
            if (p_.steps_.empty()) p_.closing_ = false;
        }
        Step(const Step&) = delete;
        Step& operator=(const Step&) = delete;

    private:
        StepPacer& p_;
    };

    // The board was reset or the run ended: the step running now goes on in
    // what follows; the steps it interrupted stop at their next wait.
    void gameEnded() {
        ++game_;
        if (!steps_.empty()) steps_.back() = game_;
    }

    // The steps are unwinding because the program closes.
    bool closing() const { return closing_; }

private:
    template <typename W>
    void wait(W&& w) {
        try {
            w();
        } catch (const GameEnded&) {
            throw;
        } catch (const Unwind&) {
            closing_ = true;
            throw;
        }
        if (!steps_.empty() && steps_.back() != game_) throw GameEnded{};
    }
    Pacer& inner_;
    unsigned game_ = 0;
    std::vector<unsigned> steps_;
    bool closing_ = false;
};

// What a step owes the board when it is left: done at its normal end and
// when the game ends inside it (the next game needs its controls back), not
// when the program closes (nothing more of a step runs then).
template <typename F>
class StepTail {
public:
    StepTail(const StepPacer& p, F f) : p_(p), f_(std::move(f)) {}
    ~StepTail() {
        if (!p_.closing()) f_();
    }
    StepTail(const StepTail&) = delete;
    StepTail& operator=(const StepTail&) = delete;

private:
    const StepPacer& p_;
    F f_;
};

} // namespace talvern
