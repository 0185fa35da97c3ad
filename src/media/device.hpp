#pragma once
// The seam between the game and the machine. The game calls only these functions; the program
// links the SDL implementation (src/media/sdl/device_sdl.cpp), the tests link a fake.

#include "media/picture_scaler.hpp"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace game::device {

// --- time ---
std::uint32_t tickCount();      // any millisecond clock that wraps at 2^32
void sleepMs(std::uint32_t ms); // the fake clock advances here
// A number that differs on every start of the program (a fine-grained wall clock), for the seed
// of the random generator.
std::uint32_t startSeed();

// --- files ---
// The folder of the running executable, ending in '/'; empty when unknown.
std::string programFolder();
// The player's own folder for the game's files (created if need be), ending in '/'; empty when
// there is none.
std::string preferenceFolder();

// --- keyboard and mouse ---
// One byte per key position code: bit 7 (0x80) = down; bits 0..6 = how often the key was pressed
// or repeated by the desktop's auto-repeat since the last read, at most 127.
using KeySnapshot = std::array<std::uint8_t, 256>;

// Fills keys with the current state. False while the game is not the active window: the caller
// keeps its previous snapshot.
bool readKeys(KeySnapshot& keys);

struct MouseEvent {
    // MoveX/MoveY: relative motion in device counts; AtX/AtY: the pointer's place on the
    // picture (the desktop's pointer, mapped through the letterbox).
    enum class Kind : std::uint8_t { MoveX, MoveY, Wheel, Button, AtX, AtY };
    Kind kind = Kind::MoveX;
    std::int32_t value = 0;  // motion, a position, or 1 = pressed / 0 = released
    std::int32_t button = 0; // 0 left, 1 right, 2 middle (for Kind::Button)
};

// Hands over the mouse events since the last call, oldest first. False (and no events) while
// the game is not the active window.
bool readMouseEvents(std::vector<MouseEvent>& events);

// True once the system asked the program to close (window closed, session ending).
bool closeRequested();

// --- display ---
// Starts the machine's display system; false when there is none to show the game on.
bool startVideo();
void stopVideo();
// Why startVideo or openWindow failed last, in a few words.
std::string videoProblem();
// Opens the window that shows a width x height picture, scaled with its aspect kept: full screen
// unless the player asked for a window.
bool openWindow(const char* title, int width, int height);
// Shows width x height pixels (0x00RRGGBB, rows top to bottom, no padding), of which only the
// changed parts differ from the picture shown before.
void present(const std::uint32_t* pixels, int width, int height,
             const std::vector<PixelRect>& changed);
// Takes the window's waiting messages; afterwards windowActive() tells whether the game has
// the focus.
void pumpEvents();
bool windowActive();
void closeWindow();
// True once after the window had to rebuild what shows the picture (its device was lost and
// recreated) since the last call.
bool displayLost();

// --- sound ---
// False when no audio device can be opened.
bool openAudio();
void closeAudio();

struct PcmFormat {
    std::int32_t rate = 0;     // samples per second
    std::int32_t channels = 0; // 1 or 2
    std::int32_t bits = 0;     // 8 (unsigned) or 16 (signed, little-endian)
};

// A playable sound made from PCM samples (copied); 0 when the format or size is refused.
std::int32_t createSound(const PcmFormat& format, const std::uint8_t* samples, std::size_t bytes);
void destroySound(std::int32_t sound);
// Plays the sound from its first sample on the given channel, cutting whatever that channel
// played; gain 0..1, linear.
void startSound(std::int32_t sound, std::int32_t channel, bool loop, float gain);

} // namespace game::device
