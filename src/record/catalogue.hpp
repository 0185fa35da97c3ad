#pragma once
// Every picture and sound the game loads, by its fixed number.

#include <array>
#include <cstdint>

namespace game {

using SpriteId = std::int32_t;
using SoundId = std::int32_t;

namespace sprite {
constexpr SpriteId kBackground = 0;
constexpr SpriteId kCursor = 1;
constexpr SpriteId kSnowflake = 2;
constexpr SpriteId kTree = 3;
constexpr SpriteId kTitle = 4;
constexpr SpriteId kMenuTab = 5;
constexpr SpriteId kUndo = 6;
constexpr SpriteId kTextPanel = 7;
constexpr SpriteId kField = 8;
constexpr SpriteId kHighlighted = 9;
constexpr SpriteId kFirstFace = 30; // faces 30..38
constexpr SpriteId kFirstBall = 40; // ball of BallColor i is 40 + i
constexpr SpriteId kFirstBroken = 50;
} // namespace sprite

namespace sound {
constexpr SoundId kExplode = 10;
constexpr SoundId kNoWay = 11;
constexpr SoundId kMenuSelect = 12;
constexpr SoundId kMenuOpen = 13;
constexpr SoundId kFieldSelect = 14;
constexpr SoundId kBurp = 15;
constexpr SoundId kRaspberry = 16;
} // namespace sound

// Colour code 1..7 (red, blue, green, yellow, pink, brown, silver) to its pictures.
constexpr SpriteId ballSprite(std::int32_t color) {
    return 39 + color;
}
constexpr SpriteId brokenSprite(std::int32_t color) {
    return 49 + color;
}

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
};

struct PictureEntry {
    SpriteId id;
    const char* file; // in the data folder
};

struct SoundEntry {
    SoundId id;
    const char* file;
};

struct VolumeEntry {
    SoundId id;
    std::int32_t volume; // 0..100
};

struct KeyEntry {
    SpriteId id;
    Rgb key;
};

// The first kBlackKeyedPictures are loaded while black is the default key; then the default key
// becomes magenta for the rest.
constexpr int kPictureCount = 33;
constexpr int kBlackKeyedPictures = 6;
extern const std::array<PictureEntry, kPictureCount> kPictures; // in load order
constexpr Rgb kFirstDefaultKey{0, 0, 0};
constexpr Rgb kLaterDefaultKey{255, 0, 255};
// Keys set after everything is loaded.
extern const std::array<KeyEntry, 2> kKeyOverrides;

constexpr int kSoundCount = 7;
extern const std::array<SoundEntry, kSoundCount> kSounds; // in load order
extern const std::array<VolumeEntry, 3> kSoundVolumes;    // set after loading, in this order

// The key colour a picture ends up with.
Rgb finalColorKey(SpriteId id);

} // namespace game
