#pragma once
// The top-ten list: slots 0..9 best first, slot 10 the candidate that climbs into the list (and
// afterwards holds whichever entry fell out).

#include <cstdint>

namespace game {

constexpr std::int32_t kShownRows = 10;
constexpr std::int32_t kCandidateSlot = 10;

// At game over: a score above the tenth row's opens the name entry. typedName is kept, so the
// prompt offers the name entered last time.
void checkHighScore();

// Puts (score, enteredName) into the candidate slot and lets it climb past every lower score; on
// a tie the older entry keeps the better place.
void insertHighScore();

} // namespace game
