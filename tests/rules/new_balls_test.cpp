#include "support/scenario.hpp"

namespace game::test {
namespace {

using Board = std::array<const char*, kBoardSize>;

constexpr Board kEmpty = {".........", ".........", ".........", ".........", ".........",
                          ".........", ".........", ".........", "........."};
// Fillers everywhere but three squares.
constexpr Board kThreeFree = {".########", "#########", "#########", "#########", "####.####",
                              "#########", "#########", "#########", "########."};

class NewBalls : public ::testing::TestWithParam<Scenario> {};
TEST_P(NewBalls, Play) {
    runScenario(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Scenarios, NewBalls,
    ::testing::Values(
        Scenario{"a new game at Einfach drops two falling balls",
                 "let difficulty=1; tab 0; running=1 balls=2 airborne=2 score=0 moves=0"},
        Scenario{"a new game at Grausam drops five falling balls",
                 "let difficulty=4; tab 0; running=1 balls=5 airborne=5 score=0 moves=0"},
        Scenario{"a drop places the preview colours",
                 "next 3,5,7,2,2; drop; balls=3 #g=1 #p=1 #s=1", kEmpty},
        Scenario{"the drop that fills the board ends the game",
                 "let moves=1; drop; balls=81 running=0 moves=0 entry=0", kThreeFree},
        Scenario{"four free squares take three balls and the game goes on",
                 "drop; balls=80 running=1",
                 {".########", "#########", "#########", "#########", "####.####", "#########",
                  "##.######", "#########", "########."}},
        Scenario{"fewer free squares than balls take the first preview colours",
                 "let difficulty=4; next 1,1,4,4,4; drop; 0,0=r 8,8=r running=0",
                 {".########", "#########", "#########", "#########", "#########", "#########",
                  "#########", "#########", "########."}},
        Scenario{"game over with the tenth row's score asks for no name",
                 "let score=10; drop; running=0 entry=0", kThreeFree},
        Scenario{"game over with one point more asks for a name",
                 "let score=11; drop; running=0 entry=1", kThreeFree},
        Scenario{"game over comes before the bursts, whose points still count",
                 "next 1,1,1,1,1; drop; rowsfound=1 running=0 entry=0; frame 6; score=25",
                 {"rrrr.####", "#########", "#########", "#########", "#########", "#########",
                  "#########", "########.", "########."}},
        Scenario{"a ball whose draws never find a free square is left out",
                 "zero; drop; balls=1 0,0=y",
                 {"y........", ".........", ".........", ".........", ".........", ".........",
                  ".........", ".........", "........."}}),
    scenarioName);

} // namespace
} // namespace game::test
