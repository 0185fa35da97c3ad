#pragma once
// Keyboard and mouse on SDL: events are turned into the key position codes and raw mouse events
// the game's input service reads.

#include "media/device.hpp"

#include <SDL.h>

#include <cstdint>
#include <vector>

namespace game::sdl {

// The key position code of an SDL scancode; 0 for keys a PC keyboard does not have.
std::uint8_t keyCodeOf(SDL_Scancode scancode);

struct InputState {
    device::KeySnapshot keys{};
    // Presses and auto-repeats of each key since the last read. A tap shorter than one pass
    // (synthetic input, a remote session) would otherwise go down and up unseen between two
    // snapshots: it shows as down in the next snapshot, and its release in the one after.
    device::KeySnapshot strokesSinceRead{};
    std::vector<device::MouseEvent> mouseEvents;
    bool focused = true;
    bool closeRequested = false;
    // The game reads the keys and then the mouse in every pass: the keys' look at SDL's queue
    // serves the mouse read after it too.
    bool pumpedForMouse = false;
};

extern InputState input;

// Takes one event into the input state. Returns false for events it does not care about.
bool takeInputEvent(const SDL_Event& event, InputState& into);

// Drains SDL's event queue into input (and hands window events to the display).
void pumpEvents();

// The device side of the game's input reads.
bool readKeys(device::KeySnapshot& keys);
bool readMouseEvents(std::vector<device::MouseEvent>& events);

} // namespace game::sdl
