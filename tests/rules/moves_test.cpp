#include "support/scenario.hpp"

namespace game::test {
namespace {

using Board = std::array<const char*, kBoardSize>;

// A red ball in the top left corner, a wall of blue balls around (8, 8).
constexpr Board kCornerAndWall = {"r........", ".........", ".........", ".........", ".........",
                                  ".........", ".........", ".......bb", ".......b."};
// Long walks, so that the two clicks of another move (each waiting out the click lock-out) fall
// inside them: red walks 16 steps to (8, 8); (0, 8) is walled in.
constexpr Board kLongWalk = {"r........", ".........", ".........", ".........", ".........",
                             ".........", ".........", "b...g....", ".b......."};

class Moves : public ::testing::TestWithParam<Scenario> {};
TEST_P(Moves, Play) {
    runScenario(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Scenarios, Moves,
    ::testing::Values(
        Scenario{"a click selects a ball, which hops",
                 "click 0,0; sel=0,0 sounds=pick; frame; hop=1", kCornerAndWall},
        Scenario{"the selected ball clicked again stays selected and sounds again",
                 "click 0,0; click 0,0; sel=0,0 sounds=pick,pick", kCornerAndWall},
        Scenario{"an empty square with nothing selected",
                 "click 4,4; walking=0 moves=0 sounds=", kCornerAndWall},
        Scenario{"a refused move changes nothing but the selection",
                 "send 0,0 8,8; sounds=pick,noway moves=0 walking=0 sel=none; run 500; "
                 "board=start",
                 kCornerAndWall},
        Scenario{"a walk takes a step every 50 ms",
                 "send 0,0 4,0; run 140; walking=1; run 60; walking=0 4,0=r 0,0=. moves=1",
                 kCornerAndWall},
        Scenario{"a move without a row drops the first preview colours",
                 "send 0,0 0,1; settle; balls=7 #r=1 #b=4 #g=1 #y=1 sel=none airborne=3",
                 kCornerAndWall},
        Scenario{"a refused move during a walk leaves the walk on its path",
                 "send 0,0 8,8; send 4,7 0,8; walking=1 moves=1 sounds=pick,pick,noway; settle; "
                 "#r=1 8,8=r 0,8=. balls=7",
                 kLongWalk},
        Scenario{"a new move during a walk leaves the first ball where it stands",
                 "send 0,0 8,8; click 4,7; run 340; click 4,6; settle; 4,6=g 8,8=. #r=1 moves=2",
                 kLongWalk},
        Scenario{
            "a square is pointed at within 19 pixels across and 13 up or down of its middle",
            "pointsq 4,4 19,0; pass; hover=4,4; pointsq 4,4 -19,0; pass; hover=4,4; pointsq 4,4 "
            "0,-13; pass; hover=4,4; pointsq 4,4 0,13; pass; hover=4,4; pointsq 4,4 20,0; "
            "pass; hover=none; pointsq 4,4 0,-14; pass; hover=none",
            kCornerAndWall},
        Scenario{"a click beside the board drops the selection", "click 0,0; at 620,20; sel=none",
                 kCornerAndWall},
        Scenario{"the right button drops the selection of a ball",
                 "click 0,0; rclick 0,0; sel=none 0,0=r", kCornerAndWall},
        Scenario{"a click on a tab reaching over the board never reaches the board",
                 "click 0,0; point 5,320; run 300; point 70,320; pass; hover=0,8; at 70,320; "
                 "page=2 walking=0 sel=0,0",
                 kCornerAndWall},
        Scenario{"an ended game pauses the walk and a new game cancels it",
                 "send 0,0 8,0; run 60; let running=0; run 500; walking=1 2,0=r; tab 0; "
                 "running=1 balls=3; run 1000; walking=0 balls=3",
                 kCornerAndWall},
        Scenario{"a walk whose next square is taken stops instead of losing a ball",
                 "send 0,0 0,3; run 20; put 0,2 p; run 300; walking=0 balls=5", kCornerAndWall}),
    scenarioName);

} // namespace
} // namespace game::test
