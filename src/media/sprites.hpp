#pragma once
// Pictures into numbered sprites: BMP files read by the game itself, other forms through the
// decoder list (JPEG), every pixel converted for the screen, every sprite given a colour key.

#include "media/surface.hpp"

#include <cstddef>
#include <cstdint>

namespace game {

// Sprite numbers beyond this are refused: the table grows to number + 50 slots.
constexpr std::int32_t kMaxSpriteNumber = 1 << 16;
constexpr std::int32_t kSpriteSlotGrowth = 50;

// Loads a picture file into a sprite. A file that cannot be read leaves the slot as it was.
std::int32_t loadSprite(std::int32_t number, const char* fileName,
                        SpriteMode mode = kSpriteModeDefault);
// data holds a complete picture file. The slot is emptied first, even if the picture then fails.
std::int32_t spriteFromMemory(std::int32_t number, const std::uint8_t* data, std::size_t size,
                              SpriteMode mode, const char* fileName);
// Loads the sprite again from the file it came from, keeping the key it had.
std::int32_t reloadSprite(std::int32_t number);
void freeSprite(std::int32_t number);

// A negative number sets the key of every sprite loaded from now on; a sprite number sets that
// sprite's key at once (an empty slot is left alone).
void setColorKey(std::int32_t number, std::int32_t red, std::int32_t green, std::int32_t blue);
// The pixel value of a colour on the open screen; 0 while no screen is open.
std::uint32_t colorToPixel(std::int32_t red, std::int32_t green, std::int32_t blue);

// The slot of a sprite number, or null when the table has no such slot.
SpriteSlot* spriteSlot(std::int32_t number);

} // namespace game
