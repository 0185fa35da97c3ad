#include "media/sdl/sdl_input.hpp"

#include "media/sdl/sdl_display.hpp"

#include <algorithm>
#include <array>
#include <cstdint>

namespace game::sdl {
namespace {

// SDL scancodes name key positions (USB usage ids), as the game's key codes do (PC set-1 scan
// codes, +128 for the extended keys), so a German layout maps the same way as a US one.
constexpr std::array<std::uint8_t, SDL_NUM_SCANCODES> makeKeyTable() {
    std::array<std::uint8_t, SDL_NUM_SCANCODES> t{};
    constexpr std::uint8_t letters[26] = {0x1E, 0x30, 0x2E, 0x20, 0x12, 0x21, 0x22, 0x23, 0x17,
                                          0x24, 0x25, 0x26, 0x32, 0x31, 0x18, 0x19, 0x10, 0x13,
                                          0x1F, 0x14, 0x16, 0x2F, 0x11, 0x2D, 0x15, 0x2C};
    for (int i = 0; i < 26; ++i) {
        t[SDL_SCANCODE_A + i] = letters[i];
    }
    for (int i = 0; i < 10; ++i) { // 1..9, 0
        t[SDL_SCANCODE_1 + i] = static_cast<std::uint8_t>(0x02 + i);
    }
    for (int i = 0; i < 10; ++i) { // F1..F10
        t[SDL_SCANCODE_F1 + i] = static_cast<std::uint8_t>(0x3B + i);
    }
    t[SDL_SCANCODE_F11] = 0x57;
    t[SDL_SCANCODE_F12] = 0x58;
    t[SDL_SCANCODE_F13] = 0x64;
    t[SDL_SCANCODE_F14] = 0x65;
    t[SDL_SCANCODE_F15] = 0x66;

    t[SDL_SCANCODE_ESCAPE] = 0x01;
    t[SDL_SCANCODE_MINUS] = 0x0C;
    t[SDL_SCANCODE_EQUALS] = 0x0D;
    t[SDL_SCANCODE_BACKSPACE] = 0x0E;
    t[SDL_SCANCODE_TAB] = 0x0F;
    t[SDL_SCANCODE_LEFTBRACKET] = 0x1A;
    t[SDL_SCANCODE_RIGHTBRACKET] = 0x1B;
    t[SDL_SCANCODE_RETURN] = 0x1C;
    t[SDL_SCANCODE_LCTRL] = 0x1D;
    t[SDL_SCANCODE_SEMICOLON] = 0x27;
    t[SDL_SCANCODE_APOSTROPHE] = 0x28;
    t[SDL_SCANCODE_GRAVE] = 0x29;
    t[SDL_SCANCODE_LSHIFT] = 0x2A;
    t[SDL_SCANCODE_BACKSLASH] = 0x2B;
    t[SDL_SCANCODE_NONUSHASH] = 0x2B; // the ISO key beside Enter sits where US has backslash
    t[SDL_SCANCODE_COMMA] = 0x33;
    t[SDL_SCANCODE_PERIOD] = 0x34;
    t[SDL_SCANCODE_SLASH] = 0x35;
    t[SDL_SCANCODE_RSHIFT] = 0x36;
    t[SDL_SCANCODE_KP_MULTIPLY] = 0x37;
    t[SDL_SCANCODE_LALT] = 0x38;
    t[SDL_SCANCODE_SPACE] = 0x39;
    t[SDL_SCANCODE_CAPSLOCK] = 0x3A;
    t[SDL_SCANCODE_NUMLOCKCLEAR] = 0x45;
    t[SDL_SCANCODE_SCROLLLOCK] = 0x46;
    t[SDL_SCANCODE_KP_7] = 0x47;
    t[SDL_SCANCODE_KP_8] = 0x48;
    t[SDL_SCANCODE_KP_9] = 0x49;
    t[SDL_SCANCODE_KP_MINUS] = 0x4A;
    t[SDL_SCANCODE_KP_4] = 0x4B;
    t[SDL_SCANCODE_KP_5] = 0x4C;
    t[SDL_SCANCODE_KP_6] = 0x4D;
    t[SDL_SCANCODE_KP_PLUS] = 0x4E;
    t[SDL_SCANCODE_KP_1] = 0x4F;
    t[SDL_SCANCODE_KP_2] = 0x50;
    t[SDL_SCANCODE_KP_3] = 0x51;
    t[SDL_SCANCODE_KP_0] = 0x52;
    t[SDL_SCANCODE_KP_PERIOD] = 0x53;
    t[SDL_SCANCODE_NONUSBACKSLASH] = 0x56; // the extra key left of Z on ISO keyboards (< > |)
    t[SDL_SCANCODE_INTERNATIONAL2] = 0x70;
    t[SDL_SCANCODE_INTERNATIONAL1] = 0x73;
    t[SDL_SCANCODE_INTERNATIONAL4] = 0x79;
    t[SDL_SCANCODE_INTERNATIONAL5] = 0x7B;
    t[SDL_SCANCODE_INTERNATIONAL3] = 0x7D;

    // Extended keys.
    t[SDL_SCANCODE_KP_ENTER] = 0x9C;
    t[SDL_SCANCODE_RCTRL] = 0x9D;
    t[SDL_SCANCODE_MUTE] = 0xA0;
    t[SDL_SCANCODE_VOLUMEDOWN] = 0xAE;
    t[SDL_SCANCODE_VOLUMEUP] = 0xB0;
    t[SDL_SCANCODE_KP_DIVIDE] = 0xB5;
    t[SDL_SCANCODE_PRINTSCREEN] = 0xB7;
    t[SDL_SCANCODE_RALT] = 0xB8;
    t[SDL_SCANCODE_PAUSE] = 0xC5;
    t[SDL_SCANCODE_HOME] = 0xC7;
    t[SDL_SCANCODE_UP] = 0xC8;
    t[SDL_SCANCODE_PAGEUP] = 0xC9;
    t[SDL_SCANCODE_LEFT] = 0xCB;
    t[SDL_SCANCODE_RIGHT] = 0xCD;
    t[SDL_SCANCODE_END] = 0xCF;
    t[SDL_SCANCODE_DOWN] = 0xD0;
    t[SDL_SCANCODE_PAGEDOWN] = 0xD1;
    t[SDL_SCANCODE_INSERT] = 0xD2;
    t[SDL_SCANCODE_DELETE] = 0xD3;
    t[SDL_SCANCODE_LGUI] = 0xDB;
    t[SDL_SCANCODE_RGUI] = 0xDC;
    t[SDL_SCANCODE_APPLICATION] = 0xDD;
    return t;
}

constexpr auto kKeyTable = makeKeyTable();

// Mouse events kept for the next read at most. A flood beyond it (the game stalled for long while
// the mouse moved) gives up motion, never a button: a lost release would leave a button held.
// The oldest motion gives way to the next of its kind (a relative step or a wheel notch is added
// to it), so the pointer still ends where the mouse went.
constexpr std::size_t kMaxQueuedMouseEvents = 4096;

void makeRoom(std::vector<device::MouseEvent>& events) {
    using Kind = device::MouseEvent::Kind;
    for (auto it = events.begin(); it != events.end(); ++it) {
        if (it->kind == Kind::Button) {
            continue;
        }
        const auto later = std::find_if(
            it + 1, events.end(), [&](const device::MouseEvent& e) { return e.kind == it->kind; });
        // A place is simply superseded by a later one; steps and wheel notches add up.
        const bool place = it->kind == Kind::AtX || it->kind == Kind::AtY;
        if (later != events.end() && !place) {
            const std::int64_t sum = std::int64_t{later->value} + it->value;
            later->value =
                static_cast<std::int32_t>(std::clamp<std::int64_t>(sum, INT32_MIN, INT32_MAX));
        }
        events.erase(it);
        return;
    }
}

void queueMouse(InputState& into, device::MouseEvent::Kind kind, std::int32_t value,
                std::int32_t button = 0) {
    if (into.mouseEvents.size() >= kMaxQueuedMouseEvents) {
        makeRoom(into.mouseEvents);
    }
    into.mouseEvents.push_back({kind, value, button});
}

// F11, or Alt with Enter, switches between full screen and a window.
bool switchesWindowMode(const SDL_KeyboardEvent& key) {
    if (key.keysym.scancode == SDL_SCANCODE_F11) {
        return true;
    }
    const bool enter =
        key.keysym.scancode == SDL_SCANCODE_RETURN || key.keysym.scancode == SDL_SCANCODE_KP_ENTER;
    return enter && (key.keysym.mod & KMOD_ALT) != 0;
}

} // namespace

InputState input;

std::uint8_t keyCodeOf(SDL_Scancode scancode) {
    if (scancode < 0 || scancode >= SDL_NUM_SCANCODES) {
        return 0;
    }
    return kKeyTable[static_cast<std::size_t>(scancode)];
}

bool takeInputEvent(const SDL_Event& event, InputState& into) {
    using Kind = device::MouseEvent::Kind;
    switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        if (switchesWindowMode(event.key)) {
            if (event.type == SDL_KEYDOWN && event.key.repeat == 0) {
                toggleWindowMode();
            }
            return true; // the game does not see the key that switched the mode
        }
        const std::uint8_t code = keyCodeOf(event.key.keysym.scancode);
        if (code != 0) {
            into.keys[code] = event.type == SDL_KEYDOWN ? 0x80 : 0x00;
            // A held key's auto-repeats come as further key-downs: each one counts.
            if (event.type == SDL_KEYDOWN && into.strokesSinceRead[code] < 0x7F) {
                into.strokesSinceRead[code] += 1;
            }
        }
        return true;
    }
    case SDL_MOUSEMOTION: {
        // The desktop's pointer (its speed and acceleration apply), taken through the letterbox.
        std::int32_t x = 0;
        std::int32_t y = 0;
        pointerToPicture(event.motion.x, event.motion.y, x, y);
        const std::size_t n = into.mouseEvents.size();
        if (n >= 2 && into.mouseEvents[n - 2].kind == Kind::AtX &&
            into.mouseEvents[n - 1].kind == Kind::AtY) {
            // Only the latest place counts until a button changes.
            into.mouseEvents[n - 2].value = x;
            into.mouseEvents[n - 1].value = y;
        } else {
            queueMouse(into, Kind::AtX, x);
            queueMouse(into, Kind::AtY, y);
        }
        return true;
    }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        std::int32_t button = -1;
        switch (event.button.button) {
        case SDL_BUTTON_LEFT:
            button = 0;
            break;
        case SDL_BUTTON_RIGHT:
            button = 1;
            break;
        case SDL_BUTTON_MIDDLE:
            button = 2;
            break;
        default:
            return true;
        }
        queueMouse(into, Kind::Button, event.type == SDL_MOUSEBUTTONDOWN ? 1 : 0, button);
        return true;
    }
    case SDL_MOUSEWHEEL:
        queueMouse(into, Kind::Wheel, event.wheel.y);
        return true;
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
            into.focused = true;
        } else if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
            into.focused = false;
            into.keys.fill(0);
            into.strokesSinceRead.fill(0);
        }
        return false; // the display looks at window events too
    case SDL_QUIT:
        into.closeRequested = true;
        return true;
    default:
        return false;
    }
}

void pumpEvents() {
    // Asking the X server for news costs system calls every pass; most passes there is none.
    if (eventsMayWait()) {
        SDL_PumpEvents();
    }
    SDL_Event event;
    while (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1) {
        if (!takeInputEvent(event, input)) {
            takeDisplayEvent(event);
        }
    }
}

bool readKeys(device::KeySnapshot& keys) {
    pumpEvents();
    input.pumpedForMouse = true;
    if (!input.focused) {
        return false;
    }
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const std::uint8_t strokes = input.strokesSinceRead[i];
        keys[i] = static_cast<std::uint8_t>(input.keys[i] | strokes | (strokes != 0 ? 0x80 : 0));
    }
    input.strokesSinceRead.fill(0);
    return true;
}

bool readMouseEvents(std::vector<device::MouseEvent>& events) {
    if (!input.pumpedForMouse) {
        pumpEvents();
    }
    input.pumpedForMouse = false;
    if (!input.focused) {
        input.mouseEvents.clear();
        return false;
    }
    events.swap(input.mouseEvents);
    input.mouseEvents.clear();
    return true;
}

} // namespace game::sdl
