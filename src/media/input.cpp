#include "media/input.hpp"

#include "media/device.hpp"

#include <algorithm>
#include <array>
#include <vector>

namespace game {
namespace {

constexpr int kButtons = 3;

struct KeyboardState {
    std::int32_t ready = 0;
    device::KeySnapshot keyState{};
    std::array<std::uint8_t, 256> releaseSeen{};
};

struct MouseState {
    std::int32_t ready = 0;
    std::int32_t x = 0, y = 0;
    std::int32_t dx = 0, dy = 0, wheel = 0;
    std::array<std::int32_t, kButtons> button{};
    // A button pressed and released between two reads still counts as down for the read that
    // saw the press; the release is kept here and takes effect at the next read.
    std::array<std::int32_t, kButtons> pendingUp{};
    std::vector<device::MouseEvent> events;
};

KeyboardState keyboard;
MouseState mouse;

std::int32_t releasedOnce(KeyCode code) {
    const auto i = static_cast<std::size_t>(code);
    if ((keyboard.keyState[i] & 0x80) != 0) {
        keyboard.releaseSeen[i] = 1;
        return 0;
    }
    if (keyboard.releaseSeen[i] != 0) {
        keyboard.releaseSeen[i] = 0;
        return 1;
    }
    return 0;
}

} // namespace

std::int32_t initKeyboard() {
    keyboard = KeyboardState{};
    keyboard.ready = 1;
    return 1;
}

std::int32_t readKeyboard() {
    if (keyboard.ready == 0) {
        return 0;
    }
    device::KeySnapshot fresh{};
    if (!device::readKeys(fresh)) {
        return 0;
    }
    keyboard.keyState = fresh;
    return 1;
}

std::int32_t keyDown(KeyCode code) {
    if (code == key::kAny) {
        for (int i = 0; i < 255; ++i) {
            if ((keyboard.keyState[static_cast<std::size_t>(i)] & 0x80) != 0) {
                return 1;
            }
        }
        return 0;
    }
    if (code < 0 || code > 255) {
        return 0;
    }
    return (keyboard.keyState[static_cast<std::size_t>(code)] & 0x80) != 0 ? kKeyDownValue : 0;
}

std::int32_t keyReleased(KeyCode code) {
    if (code == key::kAny) {
        std::int32_t any = 0;
        for (KeyCode i = 0; i < 255; ++i) {
            any |= releasedOnce(i);
        }
        return any;
    }
    if (code < 0 || code > 255) {
        return 0;
    }
    return releasedOnce(code);
}

std::int32_t keyStrokes(KeyCode code) {
    if (code < 0 || code > 255) {
        return 0;
    }
    return keyboard.keyState[static_cast<std::size_t>(code)] & 0x7F;
}

void closeKeyboard() {
    keyboard = KeyboardState{};
}

std::int32_t initMouse() {
    mouse = MouseState{};
    mouse.ready = 1;
    return 1;
}

std::int32_t readMouse() {
    mouse.dx = mouse.dy = mouse.wheel = 0;
    if (mouse.ready == 0) {
        return 0;
    }
    mouse.events.clear();
    if (!device::readMouseEvents(mouse.events)) {
        // In the background: buttons and position keep their values.
        return 0;
    }
    std::array<bool, kButtons> pressSeen{};
    for (int b = 0; b < kButtons; ++b) {
        if (mouse.pendingUp[static_cast<std::size_t>(b)] != 0) {
            mouse.button[static_cast<std::size_t>(b)] = 0;
            mouse.pendingUp[static_cast<std::size_t>(b)] = 0;
        }
    }
    // Widened so that a flood of motion cannot overflow before the clamp.
    std::int64_t x = mouse.x;
    std::int64_t y = mouse.y;
    for (const device::MouseEvent& event : mouse.events) {
        switch (event.kind) {
        case device::MouseEvent::Kind::MoveX:
            mouse.dx += event.value;
            x += event.value;
            break;
        case device::MouseEvent::Kind::MoveY:
            mouse.dy += event.value;
            y += event.value;
            break;
        case device::MouseEvent::Kind::AtX: // the desktop's pointer: its place, not a step
            x = event.value;
            break;
        case device::MouseEvent::Kind::AtY:
            y = event.value;
            break;
        case device::MouseEvent::Kind::Wheel:
            mouse.wheel += event.value;
            break;
        case device::MouseEvent::Kind::Button:
            if (event.button >= 0 && event.button < kButtons) {
                const auto b = static_cast<std::size_t>(event.button);
                mouse.button[b] = event.value != 0 ? 1 : 0;
                pressSeen[b] = pressSeen[b] || event.value != 0;
            }
            break;
        }
    }
    for (std::size_t b = 0; b < kButtons; ++b) {
        if (pressSeen[b] && mouse.button[b] == 0) {
            mouse.button[b] = 1;
            mouse.pendingUp[b] = 1;
        }
    }
    mouse.x = static_cast<std::int32_t>(std::clamp<std::int64_t>(x, 0, kMouseAreaWidth - 1));
    mouse.y = static_cast<std::int32_t>(std::clamp<std::int64_t>(y, 0, kMouseAreaHeight - 1));
    return 1;
}

std::int32_t mousePosX() {
    return mouse.x;
}
std::int32_t mousePosY() {
    return mouse.y;
}

std::int32_t mouseButtonDown(std::int32_t button) {
    if (button < 1 || button > kButtons) {
        return 0;
    }
    return mouse.button[static_cast<std::size_t>(button - 1)];
}

void setMousePosition(std::int32_t x, std::int32_t y) {
    mouse.x = x;
    mouse.y = y;
}

void closeMouse() {
    mouse = MouseState{};
}

} // namespace game
