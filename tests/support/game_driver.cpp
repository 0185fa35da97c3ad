#include "support/game_driver.hpp"

#include "media/input.hpp"
#include "media/random.hpp"
#include "record/game_state.hpp"
#include "rules/menu.hpp"
#include "rules/snow.hpp"
#include "shell/score_file.hpp"
#include "support/fake_device.hpp"
#include "support/tiny_wav.hpp"

namespace game::test {
namespace {

std::size_t soundsSeen = 0;

} // namespace

void prepareGame(std::uint32_t seed) {
    resetGameState();
    fake::reset(kStartTick);
    seedRandom(seed);
    setDefaultScoresAndSettings();
    buildMenu();
    initSnow();
    initKeyboard();
    initMouse();
    loadTestSounds();
    state.overlayX = kOverlayHidden;
    state.selectedCol = -1;
    state.selectedRow = -1;
    soundsSeen = 0;
}

ScreenPoint squarePoint(std::int32_t col, std::int32_t row) {
    const ScreenPoint origin = squareOrigin(col, row);
    return {origin.x + 30, origin.y + 5};
}

std::vector<std::int32_t> newSounds() {
    std::vector<std::int32_t> fresh;
    for (std::size_t i = soundsSeen; i < fake::dev.played.size(); ++i) {
        fresh.push_back(fake::dev.played[i].channel);
    }
    soundsSeen = fake::dev.played.size();
    return fresh;
}

} // namespace game::test
