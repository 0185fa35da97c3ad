#include "rules/rows.hpp"

#include "record/game_state.hpp"
#include "support/game_driver.hpp"
#include "support/scenario.hpp"

namespace game::test {
namespace {

using Board = std::array<const char*, kBoardSize>;

// Four reds across row 4 and a fifth below the gap at (4, 4); a green bystander.
constexpr Board kAcross = {".........", ".........", ".........", ".........", "rrrr.....",
                           ".........", "....r....", ".........", "........g"};

class Rows : public ::testing::TestWithParam<Scenario> {};
TEST_P(Rows, Play) {
    runScenario(GetParam());
}

constexpr const char* kFiveBurst = "send 4,6 4,4; settle; score=25 balls=1 explode=1";

INSTANTIATE_TEST_SUITE_P(
    Scenarios, Rows,
    ::testing::Values(Scenario{"five across", kFiveBurst, kAcross},
                      Scenario{"five down",
                               "send 6,4 4,4; settle; score=25 balls=1 explode=1",
                               {"....r....", "....r....", "....r....", "....r....", "......r..",
                                ".........", ".........", ".........", "........g"}},
                      Scenario{"five down to the right",
                               kFiveBurst,
                               {"r........", ".r.......", "..r......", "...r.....", ".........",
                                ".........", "....r....", ".........", "........g"}},
                      Scenario{"five up to the right",
                               kFiveBurst,
                               {".........", ".........", ".........", ".........", ".........",
                                "...r.....", "..r.r....", ".r.......", "r.......g"}},
                      Scenario{"four are no row and new balls drop",
                               "send 4,6 4,4; settle; score=0 explode=0 balls=8",
                               {".........", ".........", ".........", ".........", "rrr......",
                                ".........", "....r....", ".........", "........g"}},
                      Scenario{"a line of six is taken twice and scores thirty",
                               "send 4,6 4,4; settle; explode=2 score=30",
                               {".........", ".........", ".........", ".........", "rrrr.r...",
                                ".........", "....r....", ".........", "........g"}},
                      Scenario{"two crossing lines share a ball",
                               "send 4,6 4,4; settle; explode=2 score=45 balls=1",
                               {"....r....", "....r....", "....r....", "....r....", "rrrr.....",
                                ".........", "....r....", ".........", "........g"}},
                      Scenario{"balls still marked at the next search vanish without points",
                               "rows; rowsfound=1; rows; rowsfound=0 balls=1 score=0",
                               {"rrrrr....", ".........", ".........", ".........", ".........",
                                ".........", ".........", ".........", "........g"}}),
    scenarioName);

TEST(RowsBurst, OneMarkedBallPerDrawnFrameInScanOrder) {
    prepareBoard(kAcross);
    sendBall(4, 6, 4, 4);
    for (int i = 0; i < 1000 && state.ballMoving == 1; ++i) {
        pass();
    }
    // The walk ended in this pass; its frame (if it drew one) burst the first ball already.
    std::vector<int> balls;
    for (int frame = 0; frame < 6; ++frame) {
        runFrame();
        balls.push_back(ballCount());
        for (std::int32_t col = 0; col < 5; ++col) { // the leftmost go first
            EXPECT_EQ(cellAt(col, 4).color != 0, col >= 6 - balls.back()) << frame << "," << col;
        }
    }
    for (std::size_t k = 0; k < balls.size(); ++k) {
        EXPECT_EQ(balls[k], std::max(balls[0] - static_cast<int>(k), 1)) << k;
    }
    EXPECT_EQ(state.score, 25);
    EXPECT_EQ(listSize(state.shards), 5u * 11u);
}

} // namespace
} // namespace game::test
