#pragma once
// The display as most media tests want it: a fresh fake machine and an open 640 x 480 screen.

#include "media/display.hpp"
#include "support/fake_device.hpp"

namespace game::test {

inline void closeTestScreen() {
    closeDisplay();
    display = DisplayState{};
}

inline void openTestScreen() {
    closeTestScreen();
    fake::reset(0);
    initDisplay();
    openScreen(640, 480, 32, "Zuravozidizuvav");
}

} // namespace game::test
