#include "support/scenario.hpp"

namespace game::test {
namespace {

class NameEntry : public ::testing::TestWithParam<Scenario> {};
TEST_P(NameEntry, Play) {
    runScenario(GetParam());
}

// The default list holds 100, 90, ..., 10 points for "Pos 1 Player" to "Pos 10 Player".
INSTANTIATE_TEST_SUITE_P(
    Scenarios, NameEntry,
    ::testing::Values(
        Scenario{"backspace takes the last letter, nothing from an empty name",
                 "let entry=1; key back; type AB; key back; type C; name=AC"},
        Scenario{"backspace acts once, when it is let go",
                 "let entry=1; type AB; down back; pass 5; name=AB; up back; pass; name=A"},
        Scenario{"a space never starts a name", "let entry=1; type _A_B; name=A_B"},
        Scenario{"twenty letters at most until one is deleted",
                 "let entry=1; type ABCDEFGHIJKLMNOPQRSTUV; name=ABCDEFGHIJKLMNOPQRST; key back; "
                 "type Z; name=ABCDEFGHIJKLMNOPQRSZ"},
        Scenario{"return with an empty name keeps the prompt open",
                 "let entry=1; key enter; entry=1"},
        Scenario{"letters come in the order their keys are let go",
                 "let entry=1; down A; pass; down B; pass; up B; pass; name=B; up A; pass; "
                 "name=BA; down C; down D; pass; up D; up C; pass 2; name=BACD"},
        Scenario{"ctrl+S both switches the noisy faces and types S",
                 "let entry=1; ctrl S; noisy=1 name=S"},
        Scenario{"the name goes in with the score of that moment; the next prompt offers it",
                 "let score=55 entry=1; type EVA; let score=65; key kpenter; entry=0 row=4,EVA,65 "
                 "row=5,Pos_5_Player,60; let entry=1; key enter; row=5,EVA,65"},
        Scenario{"a score just above the tenth row becomes the tenth",
                 "let score=11 entry=1; type NEU; key enter; row=9,NEU,11 row=8,Pos_9_Player,20 "
                 "row=10,Pos_10_Player,10"},
        Scenario{"a tie leaves the older entry the better place",
                 "let score=70 entry=1; type NEU; key enter; row=3,Pos_4_Player,70 row=4,NEU,70 "
                 "row=5,Pos_5_Player,60"},
        Scenario{"the best score climbs to the top",
                 "let score=5000 entry=1; type ANNA; key enter; row=0,ANNA,5000 "
                 "row=1,Pos_1_Player,100 row=9,Pos_9_Player,20"}),
    scenarioName);

} // namespace
} // namespace game::test
