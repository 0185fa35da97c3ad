#pragma once
// The one door for comparing times: millisecond ticks wrap like a 32-bit counter.

#include <cstdint>

namespace game {

// True when tick lies after deadline; safe across the 32-bit wrap.
inline bool tickAfter(std::uint32_t tick, std::uint32_t deadline) {
    return static_cast<std::int32_t>(tick - deadline) > 0;
}

// A point in time the game waits for. A deadline that was never set counts as passed, and once
// seen passed it stays passed: the signed difference alone would turn a deadline left alone for
// more than 2^31 ms (weeks of idling, a long system sleep) back into a future time.
struct Deadline {
    std::uint32_t tick = 0;   // the moment itself
    std::uint32_t length = 0; // how far ahead of its setting it lay
    std::int32_t pending = 0; // 1 while not yet seen passed
};

inline void setDeadline(Deadline& d, std::uint32_t now, std::uint32_t length) {
    d.tick = now + length;
    d.length = length;
    d.pending = 1;
}

// Whether now has passed d; latches the answer once it is yes. A deadline can never lie further
// ahead than the length it was set with, so a jump of the clock (a resume after a long sleep) that
// makes it look further away than that also counts as passed.
inline bool deadlinePassed(Deadline& d, std::uint32_t now) {
    if (d.pending == 0) {
        return true;
    }
    if (tickAfter(now, d.tick) || d.tick - now > d.length) {
        d.pending = 0;
        return true;
    }
    return false;
}

} // namespace game
