#pragma once
// The pages that slide in over the board (high-score list, help, credits) and the name prompt.

namespace game {

// Texts and lines of the name prompt and of the open page (inside the text phase).
void drawOverlayPages();
// The ball peeking at the open page, drawn over the shards.
void drawPageMascot();

} // namespace game
