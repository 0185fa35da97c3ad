#pragma once
// Keyboard and mouse, polled once per pass of the main loop. Keys are identified by their
// position codes (PC set-1 scan codes, +128 for the extended keys), whatever the layout.

#include <cstdint>

namespace game {

using KeyCode = std::int32_t;

namespace key {
constexpr KeyCode kEscape = 1;
constexpr KeyCode kBackspace = 14;
constexpr KeyCode kQ = 16;
constexpr KeyCode kW = 17;
constexpr KeyCode kE = 18;
constexpr KeyCode kR = 19;
constexpr KeyCode kT = 20;
constexpr KeyCode kY = 21;
constexpr KeyCode kU = 22;
constexpr KeyCode kI = 23;
constexpr KeyCode kO = 24;
constexpr KeyCode kP = 25;
constexpr KeyCode kEnter = 28;
constexpr KeyCode kLeftCtrl = 29;
constexpr KeyCode kA = 30;
constexpr KeyCode kS = 31;
constexpr KeyCode kD = 32;
constexpr KeyCode kF = 33;
constexpr KeyCode kG = 34;
constexpr KeyCode kH = 35;
constexpr KeyCode kJ = 36;
constexpr KeyCode kK = 37;
constexpr KeyCode kL = 38;
constexpr KeyCode kZ = 44;
constexpr KeyCode kX = 45;
constexpr KeyCode kC = 46;
constexpr KeyCode kV = 47;
constexpr KeyCode kB = 48;
constexpr KeyCode kN = 49;
constexpr KeyCode kM = 50;
constexpr KeyCode kSpace = 57;
constexpr KeyCode kF1 = 59;
constexpr KeyCode kKeypadUp = 72; // the keypad's 8, 4, 6 and 2, whatever Num Lock says
constexpr KeyCode kKeypadLeft = 75;
constexpr KeyCode kKeypadRight = 77;
constexpr KeyCode kKeypadDown = 80;
constexpr KeyCode kKeypadEnter = 156;
constexpr KeyCode kUp = 200;
constexpr KeyCode kLeft = 203;
constexpr KeyCode kRight = 205;
constexpr KeyCode kDown = 208;
constexpr KeyCode kAny = -1;
} // namespace key

constexpr std::int32_t kKeyDownValue = 128;

// --- keyboard ---
std::int32_t initKeyboard();
// Takes a new snapshot (1), or keeps the old one while the game is in the background (0).
std::int32_t readKeyboard();
// 128 while the key is down in the snapshot, else 0. For key::kAny: 1 if any key 0..254 is down.
std::int32_t keyDown(KeyCode code);
// 1 exactly once after a key that was asked about while down is seen up. For key::kAny: 1 if
// that happened for any key 0..254.
std::int32_t keyReleased(KeyCode code);
// How often the key went down in the snapshot's time: its press and the desktop's auto-repeats
// while it was held, 0..127.
std::int32_t keyStrokes(KeyCode code);
void closeKeyboard();

// --- mouse ---
std::int32_t initMouse();
// Applies the motion and button events since the last read (1), or 0 when there were none to
// read (game in the background, or no mouse).
std::int32_t readMouse();
std::int32_t mousePosX();
std::int32_t mousePosY();
// Button 1 left, 2 right, 3 middle: 1 if down.
std::int32_t mouseButtonDown(std::int32_t button);
// Sets the position as given, without clamping; the next read clamps it.
void setMousePosition(std::int32_t x, std::int32_t y);
void closeMouse();

// The screen the pointer is confined to.
constexpr std::int32_t kMouseAreaWidth = 640;
constexpr std::int32_t kMouseAreaHeight = 480;

} // namespace game
