#pragma once

namespace game {

// One pass of typing a name for the high-score list.
void runNameEntry();

} // namespace game
