#pragma once
// Typing a name for the high-score list: capital letters and spaces, at most 20, taken when a key
// is released; Backspace deletes, Return or keypad Enter confirms.

#include <cstddef>

namespace game {

constexpr std::size_t kMaxTypedName = 20;

// One pass of name entry, while nameEntryActive is 1.
void runNameEntry();

} // namespace game
