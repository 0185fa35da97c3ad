#pragma once

#include "media/texts.hpp"

namespace game {

// Loads every picture and sound of the catalogue by its number, from dataFolder (ending in '/'):
// the pictures in catalogue order with black as the key of the first six and
// magenta for the rest, then the two keys of their own, then the sounds and their volumes. Files
// that are missing or broken simply leave their numbers empty.
void loadCatalogue(const Text& dataFolder);

} // namespace game
