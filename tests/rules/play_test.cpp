// The rules and the keyboard played through the real main-loop pass: rows, moves, new balls,
// undo, clicks, the menu, the name prompt, and a game played by keys alone, each a table of
// scenarios (see support/scenario.hpp).

#include "support/scenario.hpp"

namespace game::test {
namespace {

using Board = std::array<const char*, kBoardSize>;

// Four reds across row 4 and a fifth below the gap at (4, 4); a green ball in the corner.
constexpr Board kAcross = {".........", ".........", ".........", ".........", "rrrr.....",
                           ".........", "....r....", ".........", "g........"};
// Five reds across the top row.
constexpr Board kTopRow = {"rrrrr....", ".........", ".........", ".........", ".........",
                           ".........", ".........", ".........", "........g"};
// A red ball in the top left corner, a wall of blue balls around (8, 8).
constexpr Board kCornerAndWall = {"r........", ".........", ".........", ".........", ".........",
                                  ".........", ".........", ".......bb", ".......b."};
// Long walks, so that the two clicks of another move (each waiting out the click lock-out) fall
// inside them: red walks 16 steps to (8, 8); (0, 8) is walled in.
constexpr Board kLongWalk = {"r........", ".........", ".........", ".........", ".........",
                             ".........", ".........", "b...g....", ".b......."};
// Fillers everywhere but three squares.
constexpr Board kThreeFree = {".########", "#########", "#########", "#########", "####.####",
                              "#########", "#########", "#########", "########."};

class Play : public ::testing::TestWithParam<Scenario> {};
TEST_P(Play, Runs) {
    runScenario(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Play,
    ::testing::Values(Scenario{"lines down and up to the right",
                               // The ball from (4, 6) completes two lines of five at (4, 4).
                               "send 4,6 4,4; settle; explode=2 score=45 balls=1",
                               {"r.......r", ".r.....r.", "..r...r..", "...r.r...", ".........",
                                ".........", "....r....", ".........", "........g"}},
                      Scenario{"a line of six is taken twice and scores thirty",
                               "send 4,6 4,4; settle; explode=2 score=30",
                               {".........", ".........", ".........", ".........", "rrrr.r...",
                                ".........", "....r....", ".........", "........g"}},
                      Scenario{"each drawn frame bursts one marked ball, the first in scan order",
                               "rows; rowsfound=1; frame; 0,0=. 1,0=r balls=5 score=5; frame; "
                               "1,0=. 2,0=r balls=4; frame 3; balls=1 score=25",
                               kTopRow},
                      Scenario{"balls still marked at the next search vanish without points",
                               "rows; rowsfound=1; rows; rowsfound=0 balls=1 score=0", kTopRow}),
    scenarioName);

INSTANTIATE_TEST_SUITE_P(
    Moves, Play,
    ::testing::Values(
        Scenario{"a walk takes a step every 50 ms",
                 "send 0,0 4,0; run 140; walking=1; run 60; walking=0 4,0=r 0,0=. moves=1",
                 kCornerAndWall},
        Scenario{"a refused move during a walk leaves the walk on its path",
                 "send 0,0 8,8; send 4,7 0,8; walking=1 moves=1 sounds=pick,pick,noway; settle; "
                 "#r=1 8,8=r 0,8=. balls=7",
                 kLongWalk},
        Scenario{
            "a square is pointed at within 19 pixels across and 13 up or down of its middle",
            "pointsq 4,4 19,0; pass; hover=4,4; pointsq 4,4 -19,0; pass; hover=4,4; pointsq 4,4 "
            "0,-13; pass; hover=4,4; pointsq 4,4 0,13; pass; hover=4,4; pointsq 4,4 20,0; "
            "pass; hover=none; pointsq 4,4 0,-14; pass; hover=none",
            kCornerAndWall},
        Scenario{"the right button or a click beside the board drops the selection",
                 "click 0,0; click 0,0 1; sel=none 0,0=r; click 0,0; at 620,20; sel=none",
                 kCornerAndWall},
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

INSTANTIATE_TEST_SUITE_P(
    NewBalls, Play,
    ::testing::Values(
        Scenario{"the drop that fills the board ends the game; the tenth row's score asks no name",
                 "let moves=1 score=10; drop; balls=81 running=0 moves=0 entry=0", kThreeFree},
        Scenario{"game over with one point more asks for a name",
                 "let score=11; drop; running=0 entry=1", kThreeFree},
        Scenario{"game over comes before the bursts, whose points still count",
                 "next 1,1,1,1,1; drop; rowsfound=1 running=0 entry=0; frame 6; score=25",
                 {"rrrr.####", "#########", "#########", "#########", "#########", "#########",
                  "#########", "########.", "########."}},
        Scenario{"a ball whose draws never find a free square is left out",
                 "zero; drop; balls=4 0,0=r", kCornerAndWall}),
    scenarioName);

INSTANTIATE_TEST_SUITE_P(
    Undo, Play,
    ::testing::Values(
        Scenario{"the button from 582,443 on takes back the move and its new balls",
                 "send 0,8 1,8; settle; balls=9; at 581,460; moves=1; at 600,442; moves=1; quiet; "
                 "at 582,443; board=start moves=0 sounds=menu",
                 kAcross},
        Scenario{"during the bursts it cancels the rest and takes back their points",
                 "let score=40; send 4,6 4,4; run 200; frame 2; ctrl Y; score=40 board=start; "
                 "run 300; score=40 board=start",
                 kAcross},
        Scenario{"during a walk it ends the walk without a drop",
                 "send 0,8 8,8; run 100; walking=1; undo; walking=0; run 1000; board=start",
                 kAcross},
        Scenario{"an ended game has no button, but held Ctrl+Z undoes once",
                 "send 0,8 1,8; settle; tab 0; running=0; undo; moves=1; quiet; down ctrl; "
                 "down Z; run 200; up Z; up ctrl; board=start sounds=menu",
                 kAcross},
        Scenario{"a selected ball whose square it empties is deselected; a second does nothing",
                 "send 0,8 1,8; settle; click 1,8; sel=1,8; ctrl Z; sel=none board=start; quiet; "
                 "undo; key Z; ctrl Z; ctrl Y; board=start sounds=",
                 kAcross}),
    scenarioName);

// Button presses and releases, counting the clicks the passes deliver (left, right): one a
// press, none while the lock-out after a click runs.
INSTANTIATE_TEST_SUITE_P(
    Clicks, Play,
    ::testing::Values(
        Scenario{"a press inside the lock-out waits for its end",
                 "press 0; run 100; release 0; run 20; press 0; run 200; clicks=1,0; run 50; "
                 "clicks=2,0"},
        Scenario{"a press let go inside the lock-out is lost",
                 "press 0; run 100; release 0; run 20; press 0; run 50; release 0; run 1000; "
                 "clicks=1,0"},
        Scenario{"the lock-out is shared by the buttons",
                 "press 0; run 10; release 0; press 1; run 300; clicks=1,0; run 100; clicks=1,1"},
        Scenario{"both buttons in one pass: the left first",
                 "press 0; press 1; run 10; clicks=1,0; run 400; clicks=1,1"}),
    scenarioName);

// Tab i rests at y = 40, 85, 155, 200, 245, 315, 360, 430; its visible edge is x 0..9.
INSTANTIATE_TEST_SUITE_P(
    Menu, Play,
    ::testing::Values(
        Scenario{"a rested tab is pointed at over its ten visible columns, between its edges",
                 "point 10,60; pass; tab0=-134; point 5,80; pass; tab0=-134; point 5,40; pass; "
                 "tab0=-134; point 9,41; pass; tab0=-124; point 0,79; pass; tab0=-114"},
        Scenario{"a page slides in and a click on it closes it and nothing else",
                 "tab 1; page=1 overlayx=640; pass 11; overlayx=200; pass; overlayx=160; "
                 "put 4,4 r; let selcol=4 selrow=4; quiet; at 360,300; page=0 sel=4,4 "
                 "sounds=menu; pass 11; overlayx=600; pass; overlayx=640"},
        Scenario{"the difficulty cycles both ways, only between games",
                 "tab 2; difficulty=3; tab 2; tab 2; difficulty=1; tab 2; difficulty=2; tab 2 1; "
                 "difficulty=1; tab 2 1; difficulty=4; tab 0; quiet; tab 2; tab 2 1; difficulty=4 "
                 "noway=2"},
        Scenario{"the end tab ends the program", "tab 7; quit=1 ended=1"}),
    scenarioName);

// The default list holds 100, 90, ..., 10 points for "Pos 1 Player" to "Pos 10 Player".
INSTANTIATE_TEST_SUITE_P(
    NameEntry, Play,
    ::testing::Values(
        Scenario{"backspace acts once, when it is let go, and takes nothing from an empty name",
                 "let entry=1; key back; type AB; down back; pass 5; name=AB; up back; pass; "
                 "name=A"},
        Scenario{"a space never starts a name", "let entry=1; type _A_B; name=A_B"},
        Scenario{"twenty letters at most until one is deleted",
                 "let entry=1; type ABCDEFGHIJKLMNOPQRSTUV; name=ABCDEFGHIJKLMNOPQRST; key back; "
                 "type Z; name=ABCDEFGHIJKLMNOPQRSZ"},
        Scenario{"a score just above the tenth row becomes the tenth; a tie leaves the older "
                 "entry the better place",
                 "let score=11 entry=1; type NEU; key enter; row=9,NEU,11 row=8,Pos_9_Player,20 "
                 "row=10,Pos_10_Player,10; let score=70 entry=1; key enter; row=3,Pos_4_Player,70 "
                 "row=4,NEU,70 row=5,Pos_5_Player,60"}),
    scenarioName);

// A space or return waits out the click lock-out ("run 400") unless it is to be lost in it.
INSTANTIATE_TEST_SUITE_P(
    KeyboardPlay, Play,
    ::testing::Values(Scenario{
        "a game, the menu and the name prompt by keys alone",
        // The first arrow only shows the cursor, at the centre.
        "key right; hover=4,4 sel=none balls=8; key kpup 5; key kpleft 5; hover=0,0; "
        // Select; a return lost in the lock-out; a space held: one click.
        "key _; key enter; hold _ 1000; sel=0,0 sounds=pick,pick; quiet; "
        // One square per stroke of the desktop's repeat, not per pass.
        "down right; down right; down right; pass; run 300; up right; pass; hover=3,0; "
        "key kpright 6; key _; hover=8,0 sel=8,0; key kpdown 10; run 400; key kpenter; "
        "hover=8,8 sel=none sounds=pick,noway; quiet; " // walled in: refused
        "key up 8; run 400; key _; key left 4; key down 4; run 400; key enter; settle; "
        "hover=4,4 balls=3 score=25 sounds=pick,explode; quiet; ctrl Z; balls=8 sounds=menu; "
        // The mouse takes over; a space on the hidden cursor does nothing, an arrow takes the
        // cursor back where it was left.
        "quiet; pointsq 0,4 0,0; pass; run 400; key _; hover=0,4 sel=none sounds=; key down; "
        // In the prompt arrows, F1 and the menu's ctrl keys only type.
        "hover=4,4; key up 4; key left 4; let entry=1; run 400; key enter; key _; key right; "
        "key f1; ctrl H 500; ctrl N 500; hover=0,0 entry=1 name=HN sounds=; let entry=0; "
        "hold f1 500; page=2; hold f1 500; ctrl H 500; page=1; ctrl H 500; page=0; "
        "ctrl N 500; hover=none running=0 balls=8; sounds=menu,menu,menu,menu,menu; "
        // A new game ("Mittel"): the pointer points till the next arrow.
        "ctrl N 500; settle; hover=0,4 running=1 balls=3; "
        // Ctrl+S switches the noisy faces once per hold, and only with the left Ctrl.
        "down rctrl; down S; pass; noisy=0; down ctrl; pass; noisy=1; pass; noisy=1",
        {"b.......r", ".........", ".........", ".........", "rrrr.....", ".........", ".........",
         "........y", ".......y."}}),
    scenarioName);

} // namespace
} // namespace game::test
