#pragma once

#include "media/texts.hpp"

#include <string>

namespace game {

// Loads every picture and sound of the catalogue by its number, from dataFolder (ending in '/'):
// the pictures in catalogue order with black as the key of the first six and magenta for the
// rest, then the two keys of their own, then the sounds and their volumes. A file that is missing
// or broken leaves its number empty; the first such file is returned as its full path and the
// reason ("" when every file loaded).
std::string loadCatalogue(const Text& dataFolder);

} // namespace game
