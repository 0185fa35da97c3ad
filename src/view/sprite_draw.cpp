#include "view/sprite_draw.hpp"

#include "media/display.hpp"
#include "media/sprites.hpp"

#include <algorithm>
#include <cstdint>

namespace game {
namespace {

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
    copy.key = slot->colorKey; // the drawing list compares its colour bits only
    return true;
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

// Both copies are written down for the flip, which carries them out where the picture changes.
void drawSprite(std::int32_t sprite, std::int32_t x, std::int32_t y) {
    Copy copy;
    if (planCopy(sprite, x, y, copy)) {
        recordCopy(display.drawList, *copy.source, copy.left, copy.top, copy.toX, copy.toY,
                   copy.right - copy.left, copy.bottom - copy.top);
    }
}

void drawSpriteKeyed(std::int32_t sprite, std::int32_t x, std::int32_t y) {
    Copy copy;
    if (planCopy(sprite, x, y, copy)) {
        recordKeyedCopy(display.drawList, *copy.source, copy.left, copy.top, copy.toX, copy.toY,
                        copy.right - copy.left, copy.bottom - copy.top, copy.key);
    }
}

} // namespace game
