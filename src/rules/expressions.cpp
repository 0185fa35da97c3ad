#include "rules/expressions.hpp"

#include "media/device.hpp"
#include "media/random.hpp"
#include "media/sound.hpp"
#include "record/catalogue.hpp"

namespace game {
namespace {

// The longest expression lasts 5 s, so an end further ahead than that is one the clock has
// jumped past (a long system sleep), not one still to come.
constexpr std::uint32_t kLongestExpressionMs = 5000;

struct Trial {
    std::int32_t expression;
    std::int32_t draw;       // starts when random(draw) < 2
    std::uint32_t lastingMs; // how long it shows
    std::int32_t sound;      // -1 none
    bool noisy;              // only while noisyFacesOn is 1
};

constexpr Trial kTrials[6] = {
    {expression::kBurp, 300000, 500, sound::kBurp, true},
    {expression::kRaspberry, 500000, 1000, sound::kRaspberry, true},
    {expression::kBlink, 2500, 333, -1, false},
    {expression::kLookUp, 20000, 5000, -1, false},
    {expression::kLookDownLeft, 20000, 4000, -1, false},
    {expression::kLookDownRight, 20000, 4000, -1, false},
};

} // namespace

void expireExpression(Cell& cell, std::uint32_t now) {
    if (cell.expression != expression::kNone &&
        (tickAfter(now, cell.expressionUntil) ||
         cell.expressionUntil - now > kLongestExpressionMs)) {
        cell.expression = expression::kNone;
    }
}

void startExpressions(Cell& cell) {
    for (const Trial& trial : kTrials) {
        if (trial.noisy && state.noisyFacesOn != 1) {
            continue;
        }
        // The draw is made whether or not an expression already runs, so the generator moves on
        // by the same steps either way; a running expression is never replaced.
        if (random(trial.draw) >= 2 || cell.expression != expression::kNone) {
            continue;
        }
        if (trial.sound >= 0 && state.soundOn == 1) {
            playSound(trial.sound);
        }
        cell.expression = trial.expression;
        cell.expressionUntil = device::tickCount() + trial.lastingMs;
    }
}

} // namespace game
