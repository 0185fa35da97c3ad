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
}

ScreenPoint squarePoint(std::int32_t col, std::int32_t row) {
    const ScreenPoint origin = squareOrigin(col, row);
    return {origin.x + 30, origin.y + 5};
}

} // namespace game::test
