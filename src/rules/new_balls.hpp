#pragma once
// New balls and the start of a game. Each drop brings difficulty + 1 balls of the colours chosen
// in advance (nextColors) onto random empty squares; the drop that fills the board ends the game.

#include <cstdint>

namespace game {

constexpr float kDropHeight = 400.0f;
constexpr float kDropSpeed = 20.0f;
constexpr std::int32_t kMaxDropTries = 100001;
constexpr std::int32_t kPreviewColors = 5;

// A colour code 1..7, each equally likely.
std::int32_t randomColor();

// Empty board, score 0, no selection, no walk; then the first drop.
void newGame();

// Drops the next balls, searches rows, detects game over and chooses the following colours.
void dropNewBalls();

// At game over: a score above the tenth row's opens the name entry. typedName is kept, so the
// prompt offers the name entered last time.
void checkHighScore();

} // namespace game
