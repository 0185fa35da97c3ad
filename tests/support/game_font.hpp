#pragma once
// The game's font from the built data folder, for tests that draw texts or start the game.

#include "media/font.hpp"

#include <filesystem>

namespace game::test {

inline std::filesystem::path builtFontFile() {
    return std::filesystem::path(ZV_DATA_DIR) / kFontFileName;
}

} // namespace game::test
