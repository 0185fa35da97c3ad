#pragma once
// Two hundred snowflakes drifting down over the scene: 0..99 behind the tree and panels, 100..199
// in front of everything.

namespace game {

// Start-up: every flake somewhere on screen, or parked below it while the snow is off.
void initSnow();

// The snow switched on: parked flakes come back from staggered heights above the screen.
void restartSnow();

// One frame of snowfall.
void moveSnow();

} // namespace game
