#include "support/scenario.hpp"

namespace game::test {
namespace {

// Four reds in row 4 with a fifth below the gap, a green ball in the corner.
constexpr std::array<const char*, kBoardSize> kBoard = {".........", ".........", ".........",
                                                        ".........", "rrrr.....", ".........",
                                                        "....r....", ".........", "g........"};

class Undo : public ::testing::TestWithParam<Scenario> {};
TEST_P(Undo, Play) {
    runScenario(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Scenarios, Undo,
    ::testing::Values(
        Scenario{"the button takes back the move and its new balls",
                 "send 0,8 1,8; settle; balls=9; quiet; undo; board=start moves=0 sounds=menu",
                 kBoard},
        Scenario{"a second undo does nothing and is silent",
                 "send 0,8 1,8; settle; undo; quiet; key Z; ctrl Z; ctrl Y; board=start sounds=",
                 kBoard},
        Scenario{"after a refused attempt it restores the board of that attempt",
                 "send 0,8 1,8; settle; put 0,0 .; put 1,0 p; put 0,1 p; save; send 1,8 0,0; "
                 "moves=1; undo; board=saved moves=0",
                 kBoard},
        Scenario{"during the bursts it cancels the rest and takes back their points",
                 "let score=40; send 4,6 4,4; run 200; frame 2; ctrl Y; score=40 board=start; "
                 "run 300; score=40 board=start",
                 kBoard},
        Scenario{"during a walk it ends the walk without a drop",
                 "send 0,8 8,8; run 100; walking=1; undo; walking=0; run 1000; board=start",
                 kBoard},
        Scenario{"an ended game has no button, but held Ctrl+Z undoes once",
                 "send 0,8 1,8; settle; tab 0; running=0; undo; moves=1; quiet; down ctrl; "
                 "down Z; run 200; up Z; up ctrl; board=start sounds=menu",
                 kBoard},
        Scenario{"a selected ball whose square it empties is deselected",
                 "send 0,8 1,8; settle; click 1,8; sel=1,8; ctrl Z; sel=none", kBoard}),
    scenarioName);

} // namespace
} // namespace game::test
