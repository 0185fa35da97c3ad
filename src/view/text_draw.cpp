#include "view/text_draw.hpp"

#include "media/font.hpp"

#include <algorithm>
#include <optional>

namespace game {
namespace {

constexpr std::uint32_t kWhite = 0x00FFFFFF;

// Drawing is written down in the output's list, and carried out when the frame is shown.
struct Target {
    std::int32_t kind = 0;
    void (*release)() = nullptr;
    DrawList* list = nullptr;
    std::int32_t width = 0;
    std::int32_t height = 0;
};

struct DrawingState {
    bool held = false;
    Target target;
    std::int32_t modeFlags = 0;
    std::int32_t frontColor = 0; // packed, as given to setFrontColor
    std::uint32_t textPixel = 0;
    std::uint32_t backPixel = kWhite;
    std::uint32_t penPixel = 0;
    std::optional<std::uint32_t> brushPixel = 0u; // none = hollow
    std::optional<std::uint32_t> createdBrush;    // made by the last setFrontColor of the span
    std::int64_t cursorX = 0;
    std::int64_t cursorY = 0;
};

DrawingState drawing;

std::uint32_t pixelOf(std::int32_t packed) {
    const auto c = static_cast<std::uint32_t>(packed);
    return (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF);
}

std::uint32_t pixelOf(std::int32_t red, std::int32_t green, std::int32_t blue) {
    return pixelOf(rgb(red, green, blue));
}

bool inverting() {
    return (drawing.modeFlags & kDrawInvert) != 0;
}

// Fills [x0, x1) x [y0, y1), clipped to the target; the pen's lines and boxes obey the current
// raster operation.
void fillRect(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1,
              std::uint32_t color, bool byPen) {
    x0 = std::max<std::int64_t>(x0, 0);
    y0 = std::max<std::int64_t>(y0, 0);
    x1 = std::min<std::int64_t>(x1, drawing.target.width);
    y1 = std::min<std::int64_t>(y1, drawing.target.height);
    if (x0 >= x1 || y0 >= y1) {
        return;
    }
    // Clipped to the target, the corners fit in 32 bits.
    const auto left = static_cast<std::int32_t>(x0);
    const auto top = static_cast<std::int32_t>(y0);
    const auto right = static_cast<std::int32_t>(x1);
    const auto bottom = static_cast<std::int32_t>(y1);
    if (byPen && inverting()) {
        recordInvert(*drawing.target.list, left, top, right, bottom);
    } else {
        recordFill(*drawing.target.list, left, top, right, bottom, color);
    }
}

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// The points of a line from (x0, y0) towards (x1, y1), the end excluded, stepping along the
// longer axis and rounding the other; only the steps that can land on the target are visited.
void strokeLine(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1) {
    const std::int64_t dx = x1 - x0;
    const std::int64_t dy = y1 - y0;
    const bool alongX = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
    const std::int64_t major = alongX ? dx : dy;
    const std::int64_t minor = alongX ? dy : dx;
    const std::int64_t steps = major < 0 ? -major : major;
    if (steps == 0) {
        return;
    }
    const std::int64_t dir = major < 0 ? -1 : 1;
    const std::int64_t majorStart = alongX ? x0 : y0;
    const std::int64_t minorStart = alongX ? y0 : x0;
    const std::int64_t majorLimit = alongX ? drawing.target.width : drawing.target.height;
    const std::int64_t minorLimit = alongX ? drawing.target.height : drawing.target.width;
    // Steps i whose major coordinate majorStart + dir * i lies in [0, majorLimit).
    std::int64_t first = 0;
    std::int64_t last = steps - 1;
    if (dir > 0) {
        first = std::max<std::int64_t>(first, -majorStart);
        last = std::min<std::int64_t>(last, majorLimit - 1 - majorStart);
    } else {
        first = std::max<std::int64_t>(first, majorStart - (majorLimit - 1));
        last = std::min<std::int64_t>(last, majorStart);
    }
    for (std::int64_t i = first; i <= last; ++i) {
        const std::int64_t a = majorStart + dir * i;
        const std::int64_t b = minorStart + floorDiv(2 * i * minor + steps, 2 * steps);
        if (b < 0 || b >= minorLimit) {
            continue;
        }
        const std::int64_t x = alongX ? a : b;
        const std::int64_t y = alongX ? b : a;
        fillRect(x, y, x + 1, y + 1, drawing.penPixel, true);
    }
}

} // namespace

std::int32_t rgb(std::int32_t red, std::int32_t green, std::int32_t blue) {
    return red + 256 * green + 65536 * blue;
}

void initDrawing() {
    drawing = DrawingState{};
}

std::int32_t startDrawing(const DrawingOutput* output) {
    stopDrawing();
    if (output == nullptr || output->deviceContext == 0 || output->drawList == nullptr ||
        output->width <= 0 || output->height <= 0) {
        return 0;
    }
    drawing.target =
        Target{output->kind, output->release, output->drawList, output->width, output->height};
    drawing.held = true;
    drawing.modeFlags = 0;
    // Every span starts with the black default brush and pen and black text on an opaque
    // white background at (0, 0), as a fresh device context does.
    drawing.brushPixel = 0u;
    drawing.penPixel = 0;
    drawing.createdBrush.reset();
    drawing.textPixel = 0;
    drawing.backPixel = kWhite;
    drawing.cursorX = 0;
    drawing.cursorY = 0;
    return 1;
}

void stopDrawing() {
    if (!drawing.held) {
        return;
    }
    const Target target = drawing.target;
    drawing.held = false;
    drawing.target = Target{};
    drawing.createdBrush.reset();
    if (target.release != nullptr) {
        target.release();
    }
}

void setDrawingMode(std::int32_t flags) {
    if (!drawing.held) {
        return;
    }
    drawing.modeFlags = flags;
    if ((flags & kDrawHollow) != 0) {
        drawing.brushPixel.reset();
    } else if (drawing.createdBrush) {
        drawing.brushPixel = drawing.createdBrush;
    }
}

void setFrontColor(std::int32_t red, std::int32_t green, std::int32_t blue) {
    if (!drawing.held) {
        return;
    }
    drawing.frontColor = rgb(red, green, blue);
    const std::uint32_t pixel = pixelOf(red, green, blue);
    if ((drawing.modeFlags & kDrawHollow) == 0) {
        drawing.createdBrush = pixel;
        drawing.brushPixel = pixel;
    }
    drawing.penPixel = pixel;
    drawing.textPixel = pixel;
}

void setBackColor(std::int32_t red, std::int32_t green, std::int32_t blue) {
    if (drawing.held) {
        drawing.backPixel = pixelOf(red, green, blue);
    }
}

void moveTextCursor(std::int32_t x, std::int32_t y) {
    if (drawing.held) {
        drawing.cursorX = x;
        drawing.cursorY = y;
    }
}

void drawText(const Text& text) {
    if (!drawing.held || text.empty()) {
        return;
    }
    const TextShape& shape = textShape(text);
    if ((drawing.modeFlags & kDrawTransparent) == 0) {
        fillRect(drawing.cursorX, drawing.cursorY, drawing.cursorX + shape.width,
                 drawing.cursorY + shape.height, drawing.backPixel, false);
    }
    recordRuns(*drawing.target.list, shape, drawing.cursorX, drawing.cursorY, drawing.textPixel);
    drawing.cursorX += shape.width;
}

void drawBox(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
    if (!drawing.held) {
        return;
    }
    std::int64_t x0 = x;
    std::int64_t y0 = y;
    std::int64_t x1 = x0 + width;
    std::int64_t y1 = y0 + height;
    if (x1 < x0) {
        std::swap(x0, x1);
    }
    if (y1 < y0) {
        std::swap(y0, y1);
    }
    if (x1 - x0 < 1 || y1 - y0 < 1) {
        return;
    }
    if (drawing.brushPixel && x1 - x0 > 2 && y1 - y0 > 2) {
        fillRect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, *drawing.brushPixel, true);
    }
    // The one-pixel outline runs inside the rectangle.
    fillRect(x0, y0, x1, y0 + 1, drawing.penPixel, true);
    if (y1 - y0 > 1) {
        fillRect(x0, y1 - 1, x1, y1, drawing.penPixel, true);
    }
    fillRect(x0, y0 + 1, x0 + 1, y1 - 1, drawing.penPixel, true);
    if (x1 - x0 > 1) {
        fillRect(x1 - 1, y0 + 1, x1, y1 - 1, drawing.penPixel, true);
    }
}

void drawBox(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
             std::int32_t color) {
    setFrontColor(color & 0xFF, color >> 8 & 0xFF, color >> 16 & 0xFF);
    drawBox(x, y, width, height);
}

void drawLine(std::int32_t x, std::int32_t y, std::int32_t dx, std::int32_t dy) {
    if (!drawing.held) {
        return;
    }
    const std::int64_t x1 = std::int64_t{x} + dx;
    const std::int64_t y1 = std::int64_t{y} + dy;
    strokeLine(x, y, x1, y1);
    drawing.cursorX = x1;
    drawing.cursorY = y1;
}

void drawLine(std::int32_t x, std::int32_t y, std::int32_t dx, std::int32_t dy,
              std::int32_t color) {
    setFrontColor(color & 0xFF, color >> 8 & 0xFF, color >> 16 & 0xFF);
    drawLine(x, y, dx, dy);
}

std::int32_t textCursorX() {
    return static_cast<std::int32_t>(drawing.cursorX);
}
std::int32_t textCursorY() {
    return static_cast<std::int32_t>(drawing.cursorY);
}
std::int32_t frontColor() {
    return drawing.frontColor;
}

} // namespace game
