#pragma once
// The machine as tests see it: a clock that moves only when told (and at every sleep), keys and
// mouse events a test sets, a window that records what it was shown.

#include "media/device.hpp"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace game::fake {

struct Device {
    std::uint32_t tick = 0;
    device::KeySnapshot keys{};
    std::vector<device::MouseEvent> mouseEvents;
    bool active = true;
    bool closeRequested = false;
    bool videoStarted = false;
    bool windowOpen = false;
    bool displayLost = false; // reported once by the next displayLost()
    int presents = 0;
    std::uint32_t sleptMs = 0;
    std::string preferenceFolder;
    // Called after every sleep, that is between two passes of the main loop: a script of input
    // for a whole run of the program.
    std::function<void()> onSleep;

    struct PlayedSound {
        std::int32_t channel;
        float gain;
    };
    bool audioOpen = false;
    bool audioOpenFails = false;
    std::int32_t soundsCreated = 0;
    std::vector<PlayedSound> played; // every startSound, in order
};

extern Device dev;

// A fresh machine whose clock stands at startTick.
void reset(std::uint32_t startTick);

// Each press is one stroke; pressing a held key again is the desktop's auto-repeat.
void pressKey(int code);
void releaseKey(int code);

void moveMouse(std::int32_t dx, std::int32_t dy);
// button: 0 left, 1 right, 2 middle
void pressButton(std::int32_t button);
void releaseButton(std::int32_t button);

} // namespace game::fake
