#pragma once
// Reads the game's picture files back, the way the game reads them, for the look-at tools.

#include "art/canvas.hpp"

#include <string>

namespace game::tools {

// A 24-bit uncompressed bottom-up BMP or a JPEG; throws when the file is neither.
Picture readPicture(const std::string& path);

} // namespace game::tools
