#pragma once
// Scenarios as data: a board picture and a script of what the player does and what must hold
// then, run through the real main-loop pass. A script is commands separated by ';'. A command
// whose first word holds '=' is a list of checks; any other is an action (see scenario.cpp).
//
//   {"refused move", "send 0,0 8,8; sounds=pick,noway moves=0 sel=none", kCornerAndWall}

#include "rules/board.hpp"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace game::test {

struct Scenario {
    const char* name;
    const char* script;
    // The board of a running game; without one the game waits at the start screen.
    std::array<const char*, kBoardSize> board{};
};

void runScenario(const Scenario& scenario);

// Names the rows of a table of scenarios after their cases.
std::string scenarioName(const ::testing::TestParamInfo<Scenario>& info);

} // namespace game::test
