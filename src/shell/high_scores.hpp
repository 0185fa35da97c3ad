#pragma once
// The top-ten list: slots 0..9 best first, slot 10 the candidate that climbs into the list (and
// afterwards holds whichever entry fell out).

namespace game {

// Puts (score, enteredName) into the candidate slot and lets it climb past every lower score; on
// a tie the older entry keeps the better place.
void insertHighScore();

} // namespace game
