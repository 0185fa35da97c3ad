#include "view/sprite_draw.hpp"

#include "media/display.hpp"
#include "media/sprites.hpp"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace game {
namespace {

constexpr std::uint32_t kColorBits = 0x00FFFFFF;

struct Copy {
    const Surface* source = nullptr;
    std::int32_t left = 0, top = 0, right = 0, bottom = 0; // in the picture, right/bottom exclusive
    std::int32_t toX = 0, toY = 0;
    std::uint32_t key = 0;
};

// Works out what of the sprite lands on the target; false when nothing does.
bool planCopy(std::int32_t sprite, std::int32_t x, std::int32_t y, Copy& copy) {
    if (display.displayActive == 0 || display.targetSurface == nullptr) {
        return false;
    }
    const SpriteSlot* slot = spriteSlot(sprite);
    if (slot == nullptr || slot->surface == nullptr) {
        return false;
    }
    // Wide arithmetic: positions and clips come from the callers unchecked.
    const std::int64_t w = slot->displayWidth;
    const std::int64_t h = slot->displayHeight;
    const std::int64_t W = display.targetWidth;
    const std::int64_t H = display.targetHeight;
    if (x >= W || y >= H || x <= -w || y <= -h) {
        return false;
    }
    const std::int64_t visibleW = x + w > W ? W - x : w;
    const std::int64_t visibleH = y + h > H ? H - y : h;
    const std::int64_t cutX = x < 0 ? -std::int64_t{x} : 0;
    const std::int64_t cutY = y < 0 ? -std::int64_t{y} : 0;
    const std::int64_t left = slot->clipX + cutX;
    const std::int64_t top = slot->clipY + cutY;
    const std::int64_t right = slot->clipX + visibleW;
    const std::int64_t bottom = slot->clipY + visibleH;
    // A source rectangle that is empty or leaves the picture (a clip with a negative origin)
    // is refused by the copy, as the blitter refuses it: nothing is drawn.
    const Surface& picture = *slot->surface;
    if (left < 0 || top < 0 || right > picture.width || bottom > picture.height || left >= right ||
        top >= bottom) {
        return false;
    }
    const Surface& target = *display.targetSurface;
    const std::int64_t toX = x < 0 ? 0 : x;
    const std::int64_t toY = y < 0 ? 0 : y;
    if (toX + (right - left) > target.width || toY + (bottom - top) > target.height) {
        return false;
    }
    copy.source = &picture;
    copy.left = static_cast<std::int32_t>(left);
    copy.top = static_cast<std::int32_t>(top);
    copy.right = static_cast<std::int32_t>(right);
    copy.bottom = static_cast<std::int32_t>(bottom);
    copy.toX = static_cast<std::int32_t>(toX);
    copy.toY = static_cast<std::int32_t>(toY);
    copy.key = slot->colorKey & kColorBits;
    return true;
}

// The runs of a picture's pixels that are not the key (colour bits only).
const KeyRuns& keyRunsOf(const Surface& picture, std::uint32_t key) {
    KeyRuns& k = picture.keyRuns;
    if (k.made && k.key == key) {
        return k;
    }
    k.made = true;
    k.key = key;
    k.runs.clear();
    k.firstRun.assign(static_cast<std::size_t>(picture.height) + 1, 0);
    for (std::int32_t y = 0; y < picture.height; ++y) {
        k.firstRun[static_cast<std::size_t>(y)] = static_cast<std::uint32_t>(k.runs.size());
        const std::uint32_t* row = picture.row(y);
        for (std::int32_t x = 0; x < picture.width;) {
            if (((row[x] ^ key) & kColorBits) == 0) {
                ++x;
                continue;
            }
            const std::int32_t start = x;
            while (x < picture.width && ((row[x] ^ key) & kColorBits) != 0) {
                ++x;
            }
            k.runs.push_back(
                {static_cast<std::uint16_t>(start), static_cast<std::uint16_t>(x - start)});
        }
    }
    k.firstRun.back() = static_cast<std::uint32_t>(k.runs.size());
    k.runs.shrink_to_fit();
    return k;
}

// The shown length along one axis: cut at the picture's edge when the part reaches past it.
std::int32_t cutToPicture(std::int32_t from, std::int32_t length, std::int32_t pictureLength) {
    const std::int64_t end = std::int64_t{from} + length;
    const std::int64_t shown = end > pictureLength ? std::int64_t{pictureLength} - from : length;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(shown, INT32_MIN, INT32_MAX));
}

} // namespace

void clipSprite(std::int32_t sprite, std::int32_t x, std::int32_t y, std::int32_t width,
                std::int32_t height) {
    SpriteSlot* slot = spriteSlot(sprite);
    if (slot == nullptr) {
        return;
    }
    if (x == -1) {
        slot->clipX = 0;
        slot->clipY = 0;
        slot->displayWidth = slot->width;
        slot->displayHeight = slot->height;
        return;
    }
    slot->clipX = x;
    slot->clipY = y;
    slot->displayWidth = cutToPicture(x, width, slot->width);
    slot->displayHeight = cutToPicture(y, height, slot->height);
}

void drawSprite(std::int32_t sprite, std::int32_t x, std::int32_t y) {
    Copy copy;
    if (!planCopy(sprite, x, y, copy)) {
        return;
    }
    Surface& target = *display.targetSurface;
    const auto bytes = static_cast<std::size_t>(copy.right - copy.left) * sizeof(std::uint32_t);
    for (std::int32_t sy = copy.top, ty = copy.toY; sy < copy.bottom; ++sy, ++ty) {
        std::memcpy(target.row(ty) + copy.toX, copy.source->row(sy) + copy.left, bytes);
    }
}

void drawSpriteKeyed(std::int32_t sprite, std::int32_t x, std::int32_t y) {
    Copy copy;
    if (!planCopy(sprite, x, y, copy)) {
        return;
    }
    Surface& target = *display.targetSurface;
    const KeyRuns& k = keyRunsOf(*copy.source, copy.key);
    for (std::int32_t sy = copy.top, ty = copy.toY; sy < copy.bottom; ++sy, ++ty) {
        const std::uint32_t* from = copy.source->row(sy);
        std::uint32_t* to = target.row(ty) + copy.toX;
        const KeyRun* run = k.runs.data() + k.firstRun[static_cast<std::size_t>(sy)];
        const KeyRun* last = k.runs.data() + k.firstRun[static_cast<std::size_t>(sy) + 1];
        // A strip of pictures has many runs in a row: find the first that reaches into the clip.
        run = std::partition_point(run, last,
                                   [&](const KeyRun& r) { return r.x + r.length <= copy.left; });
        for (; run != last && run->x < copy.right; ++run) {
            const std::int32_t begin = std::max<std::int32_t>(run->x, copy.left);
            const std::int32_t end = std::min<std::int32_t>(run->x + run->length, copy.right);
            std::memcpy(to + (begin - copy.left), from + begin,
                        static_cast<std::size_t>(end - begin) * sizeof(std::uint32_t));
        }
    }
}

} // namespace game
