// One whole run of the program, from start-up to Escape, driven by a fixed script of timed clicks
// and keys on the fake device: difficulty to "Grausam", a new game, 25 moves until the board is
// full, a name for the high-score list, the list shown, Escape.
//
// How the expected values are known to be right, and not merely recorded:
// - The run is deterministic: the generator is seeded from the clock at start-up, and the fake
//   clock starts at kStartTick; every random number (snow, faces, trembling, shards, drops) comes
//   from it in a fixed order.
// - The first two moves were checked by hand against the pictures below: in move 1 the green ball
//   on (5, 1) steps left onto (4, 1), the other four balls stay, and five new balls appear on
//   empty squares in the preview colours red, red, red, brown, green; in move 2 the green ball
//   on (0, 6) walks to (2, 3) and pink, green, brown, red and blue drop.
// - Every move is checked as it happens against rules written here apart from the game's code:
//   the moved ball arrives, a line of five or more (found as maximal runs) bursts with 5 points a
//   ball and brings no new balls, otherwise exactly "difficulty + 1" new balls (fewer when the
//   board fills) of the preview colours land on empty squares, and no line stays on the board.
// - The score is then fixed by counting alone: 5 points for every ball that dropped and is gone.
// - The file is compared with one written here by hand, not with the game's reader or writer.
// The final board is the recorded one; its every step was checked as above.

#include "shell/startup.hpp"

#include "record/game_state.hpp"
#include "rules/menu.hpp"
#include "support/board_picture.hpp"
#include "support/replay_script.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

namespace game {
namespace {

using test::colorAt;
using test::Colors;

struct Move {
    std::int32_t fromCol, fromRow, toCol, toRow;
};

constexpr Move kMoves[] = {
    {5, 1, 4, 1}, {0, 6, 2, 3}, {6, 1, 5, 0}, {5, 0, 1, 4}, {4, 1, 0, 5},
    {0, 5, 4, 1}, {5, 8, 0, 5}, {0, 1, 6, 4}, {5, 3, 5, 4}, {7, 1, 6, 0},
    {4, 4, 3, 0}, {4, 2, 4, 4}, {2, 3, 2, 0}, {1, 0, 3, 2}, {4, 1, 3, 5},
    {7, 0, 4, 2}, {1, 5, 2, 4}, {4, 5, 4, 6}, {0, 0, 1, 1}, {3, 3, 2, 3},
    {6, 2, 4, 5}, {0, 3, 0, 1}, {4, 1, 3, 2}, {4, 3, 4, 1}, {3, 7, 3, 8},
};
constexpr int kMoveCount = static_cast<int>(std::size(kMoves));

// Moves start 3 s into the run, one every 2.5 s: time enough for the longest walk, the bursts
// and the click lock-out.
constexpr std::uint32_t kFirstMoveMs = 3000;
constexpr std::uint32_t kMoveEveryMs = 2500;
constexpr std::uint32_t kSecondClickMs = 400;
constexpr std::uint32_t kAfterGameMs = kFirstMoveMs + kMoveEveryMs * kMoveCount;

using Picture = std::array<std::string, kBoardSize>;

const Picture kBeforeMove1 = {
    ".........", ".....g.s.", ".b.g.....", ".........", ".........",
    ".........", "......y..", ".........", ".........",
};
const Picture kBeforeMove2 = {
    ".........", "....gr.s.", ".b.g.....", ".........", ".........",
    ".........", "g.....y..", "......r..", ".n....r..",
};
const Picture kFinalBoard = {
    "rrppbngbn", "rggggrysn", "grypgyspg", "gnpbpyypr", "ypssrnnys",
    "psnbrgssg", "snrbsryyn", "brbnnsrpr", "bnryggrpn",
};

int balls(const Colors& colors) {
    return static_cast<int>(std::count_if(colors.begin(), colors.end(), [](auto c) { return c; }));
}

// What a move must have done, by the rules, to the board it started from.
class MoveChecker {
public:
    void before(const Move& move) {
        move_ = move;
        start_ = test::boardColors();
        score_ = state.score;
        preview_.assign(state.nextColors.begin(), state.nextColors.begin() + state.difficulty + 1);
        EXPECT_EQ(state.ballMoving, 0);
    }

    void after() {
        const Colors now = test::boardColors();
        Colors moved = start_;
        colorAt(moved, move_.toCol, move_.toRow) = colorAt(moved, move_.fromCol, move_.fromRow);
        colorAt(moved, move_.fromCol, move_.fromRow) = 0;
        const std::set<int> lines = test::squaresInLines(moved);
        const int gained = (state.score - score_) / 5;
        if (!lines.empty()) {
            Colors expected = moved;
            for (const int square : lines) {
                expected[static_cast<std::size_t>(square)] = 0;
            }
            EXPECT_EQ(now, expected) << "a move that completes a line brings no balls";
            EXPECT_EQ(gained, static_cast<int>(lines.size()));
        } else {
            const int dropped = std::min<int>(static_cast<int>(preview_.size()), 81 - balls(moved));
            dropped_ += dropped;
            EXPECT_EQ(balls(now), balls(moved) + dropped - gained);
            if (gained == 0) {
                std::multiset<std::int32_t> newColors;
                for (std::size_t i = 0; i < now.size(); ++i) {
                    if (moved[i] != 0) {
                        EXPECT_EQ(now[i], moved[i]) << "a ball changed without a line";
                    } else if (now[i] != 0) {
                        newColors.insert(now[i]);
                    }
                }
                EXPECT_EQ(newColors, std::multiset<std::int32_t>(preview_.begin(),
                                                                 preview_.begin() + dropped));
            }
        }
        EXPECT_TRUE(test::squaresInLines(now).empty()) << "a line stayed on the board";
    }

    int dropped() const { return dropped_; }

private:
    Move move_{};
    Colors start_{};
    std::int32_t score_ = 0;
    std::vector<std::int32_t> preview_;
    int dropped_ = 0;
};

TEST(WholeGameReplay, ScriptedGameEndsWithTheExpectedBoardScoreListAndFile) {
    test::TempFolder folder; // the program's folder: no file yet, so the defaults
    std::filesystem::create_directory_symlink(ZV_DATA_DIR, "data"); // it does not start without
    fake::reset(test::kStartTick);
    test::ReplayScript script;
    const ScreenPoint difficultyTab{5, 175};
    script.click(500, difficultyTab);  // Mittel -> Schwer
    script.click(1000, difficultyTab); // -> Grausam: five balls a drop
    script.click(1500, {5, 60});       // "Neues Spiel"
    for (int k = 0; k < kMoveCount; ++k) {
        const std::uint32_t at = kFirstMoveMs + kMoveEveryMs * static_cast<std::uint32_t>(k);
        script.click(at, test::squarePoint(kMoves[k].fromCol, kMoves[k].fromRow));
        script.click(at + kSecondClickMs, test::squarePoint(kMoves[k].toCol, kMoves[k].toRow));
    }
    const KeyCode name[] = {key::kW, key::kI, key::kC, key::kH, key::kT, key::kE, key::kL};
    for (std::size_t i = 0; i < std::size(name); ++i) {
        script.key(kAfterGameMs + 500 + 100 * static_cast<std::uint32_t>(i), name[i]);
    }
    script.key(kAfterGameMs + 1500, key::kEnter);
    script.click(kAfterGameMs + 2000, {5, 105}); // "Bestenliste"
    script.holdKey(kAfterGameMs + 3000, key::kEscape);

    MoveChecker checker;
    int nextMove = 0;
    Picture seenBeforeMove1, seenBeforeMove2;
    script.attach([&](std::uint32_t elapsed) {
        // At the moment of each move's first click the board has come to rest.
        const std::uint32_t due =
            kFirstMoveMs + kMoveEveryMs * static_cast<std::uint32_t>(nextMove);
        if (nextMove > kMoveCount || elapsed < due) {
            return;
        }
        if (nextMove > 0) {
            checker.after();
        }
        if (nextMove < 2) {
            (nextMove == 0 ? seenBeforeMove1 : seenBeforeMove2) = test::boardPicture();
        }
        if (nextMove < kMoveCount) {
            ASSERT_EQ(state.gameRunning, 1) << "move " << nextMove;
            checker.before(kMoves[nextMove]);
        }
        ++nextMove;
    });
    EXPECT_EQ(startUp(), 0);
    fake::dev.onSleep = nullptr;

    ASSERT_EQ(nextMove, kMoveCount + 1);
    EXPECT_EQ(seenBeforeMove1, kBeforeMove1);
    EXPECT_EQ(seenBeforeMove2, kBeforeMove2);
    EXPECT_EQ(state.nameEntryActive, 0); // the name the filled board asked for was entered
    EXPECT_EQ(state.overlayPage, page::kHighScores);
    EXPECT_EQ(test::boardPicture(), kFinalBoard);

    // Five balls of the new game and those of every drop since, less the 81 on the board.
    const int burst = 5 + checker.dropped() - 81;
    EXPECT_EQ(state.score, 5 * burst);
    EXPECT_EQ(state.score, 125);

    // The new best score tops the list, the old rows move down one and the last drops out: the
    // file as shutdown wrote it, against one written here by hand.
    std::string expected = "{125}WICHTEL\r\n";
    for (int row = 1; row < 10; ++row) {
        expected.append("{").append(std::to_string(110 - 10 * row)).append("}Pos ");
        expected.append(std::to_string(row)).append(" Player\r\n");
    }
    EXPECT_EQ(test::readWholeFile("flockvel.txt"), test::scoreFileOf(expected + "{1}{1}{4}"));
}

} // namespace
} // namespace game
