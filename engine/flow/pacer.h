#pragma once
// Every delay of the game goes through a Pacer, so the rules can run in
// virtual time in the tests and in real time in the cabinet.

namespace talvern {

// Thrown out of a wait when the program is closing: the flow that waited
// unwinds to the handler that started it, and nothing more of it runs.
struct Unwind {};

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

} // namespace talvern
