// The keyboard through the real main-loop pass: the name prompt, and a game, the menu and the
// prompt played by keys alone.

#include "support/scenario.hpp"

namespace game::test {
namespace {

class Keys : public ::testing::TestWithParam<Scenario> {};
TEST_P(Keys, Play) {
    runScenario(GetParam());
}

// The default list holds 100, 90, ..., 10 points for "Pos 1 Player" to "Pos 10 Player".
INSTANTIATE_TEST_SUITE_P(
    NameEntry, Keys,
    ::testing::Values(
        Scenario{"backspace acts once, when it is let go, and takes nothing from an empty name",
                 "let entry=1; key back; type AB; down back; pass 5; name=AB; up back; pass; "
                 "name=A"},
        Scenario{"a space never starts a name", "let entry=1; type _A_B; name=A_B"},
        Scenario{"twenty letters at most until one is deleted",
                 "let entry=1; type ABCDEFGHIJKLMNOPQRSTUV; name=ABCDEFGHIJKLMNOPQRST; key back; "
                 "type Z; name=ABCDEFGHIJKLMNOPQRSZ"},
        Scenario{"letters come in the order their keys are let go",
                 "let entry=1; down A; pass; down B; pass; up B; pass; name=B; up A; pass; "
                 "name=BA; down C; down D; pass; up D; up C; pass 2; name=BACD"},
        Scenario{"a score just above the tenth row becomes the tenth",
                 "let score=11 entry=1; type NEU; key enter; row=9,NEU,11 row=8,Pos_9_Player,20 "
                 "row=10,Pos_10_Player,10"},
        Scenario{"a tie leaves the older entry the better place",
                 "let score=70 entry=1; type NEU; key enter; row=3,Pos_4_Player,70 row=4,NEU,70 "
                 "row=5,Pos_5_Player,60"}),
    scenarioName);

// A space or return waits out the click lock-out ("run 400") unless it is to be lost in it.
INSTANTIATE_TEST_SUITE_P(
    KeyboardPlay, Keys,
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
