#pragma once
// Blocks of screen pixels: the back buffer and every sprite are plain memory the game's own code
// draws with. A pixel is 0x00RRGGBB, the layout of the 32-bit screen.

#include "media/texts.hpp"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <vector>

namespace game {

// Pixels start on a cache line, and so does every row of a picture whose width is a multiple of
// 16: a tile's row of the back buffer or of the background then lies in one line, not across two.
template <class T> struct CacheLineAllocator {
    using value_type = T;
    static constexpr std::align_val_t kAlignment{64};
    CacheLineAllocator() = default;
    template <class U> explicit CacheLineAllocator(const CacheLineAllocator<U>& /*other*/) {}
    T* allocate(std::size_t n) {
        return static_cast<T*>(::operator new(n * sizeof(T), kAlignment));
    }
    void deallocate(T* p, std::size_t /*n*/) { ::operator delete(p, kAlignment); }
    template <class U> bool operator==(const CacheLineAllocator<U>& /*other*/) const {
        return true;
    }
};
using PixelVector = std::vector<std::uint32_t, CacheLineAllocator<std::uint32_t>>;

// Where a picture differs from its colour key, as runs of pixels row by row: a keyed copy copies
// these runs whole and never looks at a key pixel.
struct KeyRun {
    std::uint16_t x = 0; // pictures are at most 4096 pixels wide
    std::uint16_t length = 0;
};
struct KeyRuns {
    bool made = false;
    std::uint32_t key = 0;               // the colour bits the runs leave out
    std::vector<std::uint32_t> firstRun; // per row, and one past the last: its first run
    std::vector<KeyRun> runs;            // left to right in each row
};

struct Surface {
    std::int32_t width = 0;
    std::int32_t height = 0;
    PixelVector pixels; // rows top to bottom, width pixels each
    // Each sprite's picture gets a number of its own as it loads, so that drawing from a
    // reloaded picture never counts as the same drawing as before.
    std::uint64_t serial = 0;
    // Made on the first keyed copy and again when the key changes. The pixels of a sprite are
    // written only while it loads, and a load makes a new surface, so the runs cannot go stale.
    mutable KeyRuns keyRuns;

    std::uint32_t* row(std::int32_t y) {
        return pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
    }
    const std::uint32_t* row(std::int32_t y) const {
        return pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
    }
};

// How a sprite was asked to be placed. Every kind lives in memory here; the mode is kept so that
// a reload asks for the same again.
using SpriteMode = std::int32_t;
constexpr SpriteMode kSpriteModeDefault = 0;
constexpr SpriteMode kSpriteModeSystemMemory = 1;
constexpr SpriteMode kSpriteModeRaw = 2; // 8-bit raw buffers: the game has no 8-bit pictures
constexpr SpriteMode kSpriteModeTexture = 4;

// One entry of the sprite table.
struct SpriteSlot {
    std::unique_ptr<Surface> surface; // none = the slot is empty
    std::int32_t displayWidth = 0;    // the part that is drawn, changed by clipSprite
    std::int32_t displayHeight = 0;
    std::int32_t depth = 0; // bits per pixel of the source picture
    SpriteMode mode = 0;
    Text fileName; // empty for pictures given in memory
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t clipX = 0;
    std::int32_t clipY = 0;
    std::uint32_t colorKey = 0; // source colour key: pixels of this value are left out when keyed
};

} // namespace game
