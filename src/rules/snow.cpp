#include "rules/snow.hpp"

#include "media/random.hpp"
#include "record/game_state.hpp"

namespace game {
namespace {

constexpr float kParkedStartY = 490.0f; // where flakes wait when the snow is off at start
constexpr float kParkedY = 500.0f;      // where flakes go when they leave with the snow off
constexpr float kLeftAtY = 484.0f;
constexpr float kLeftAtX = -104.0f;
constexpr float kRightAtX = 744.0f;
constexpr float kTopY = -2.0f;

float randomDrift() {
    return static_cast<float>(random(4) - 2);
}

float randomSpeed() {
    return static_cast<float>(random(1)) + 0.8f;
}

} // namespace

void initSnow() {
    for (Snowflake& flake : state.snow) {
        flake.x = static_cast<float>(random(640));
        flake.y = state.snowOn == 1 ? static_cast<float>(random(470)) : kParkedStartY;
        flake.drift = randomDrift();
        flake.speed = randomSpeed();
    }
}

void restartSnow() {
    for (Snowflake& flake : state.snow) {
        if (flake.y > kParkedStartY) {
            flake.x = static_cast<float>(random(740) - 100);
            flake.y = static_cast<float>(-random(200));
            flake.drift = randomDrift();
            flake.speed = randomSpeed();
        }
    }
}

void moveSnow() {
    for (Snowflake& flake : state.snow) {
        if (random(10) == 0) {
            flake.drift = randomDrift();
        }
        flake.x = flake.x + flake.drift / 2 + 0.5f;
        flake.y = flake.y + flake.speed;
        if (flake.y > kLeftAtY || flake.x < kLeftAtX || flake.x > kRightAtX) {
            if (state.snowOn == 1) {
                flake.x = static_cast<float>(random(740) - 100);
                flake.y = kTopY;
                flake.drift = randomDrift();
                flake.speed = randomSpeed();
            } else {
                // Parked below the screen; it leaves again, and is parked again, every frame.
                flake.y = kParkedY;
            }
        }
    }
}

} // namespace game
