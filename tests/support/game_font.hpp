#pragma once
// The game's font from the built data folder, for tests that draw texts or start the game.

#include "media/font.hpp"

#include <filesystem>

namespace game::test {

inline std::filesystem::path builtFontFile() {
    return std::filesystem::path(ZV_DATA_DIR) / kFontFileName;
}

// Gives a program folder a data folder that holds only the font: start-up needs it, and the
// missing pictures and sounds simply stay empty.
inline void giveDataFolderWithFont(const std::filesystem::path& programFolder) {
    std::filesystem::create_directory(programFolder / "data");
    std::filesystem::create_symlink(builtFontFile(), programFolder / "data" / kFontFileName);
}

} // namespace game::test
