#include "media/texts.hpp"

#include <algorithm>

namespace game {

Text numberToText(std::int32_t n) {
    return std::to_string(n);
}

std::int32_t textLength(const Text& text) {
    return static_cast<std::int32_t>(text.size());
}

Text textLeft(const Text& text, std::int32_t count) {
    if (count <= 0) {
        return {};
    }
    return text.substr(0, static_cast<std::size_t>(count));
}

Text textMiddle(const Text& text, std::int32_t start, std::int32_t count) {
    const std::int64_t from = std::max<std::int64_t>(start, 1) - 1;
    if (count <= 0 || from >= static_cast<std::int64_t>(text.size())) {
        return {};
    }
    return text.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(count));
}

} // namespace game
