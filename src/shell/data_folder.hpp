#pragma once
// Where the game's pictures, sounds and font live, found from the program's own folder so that
// the same executable runs from its build folder and from any installed prefix.

#include "media/texts.hpp"

namespace game {

// The data folder for a program in programFolder (ending in '/'), ending in '/': "data/" beside
// the program (a build folder), else "../share/zuravozidizuvav/" from it (an installed prefix).
// Empty when neither exists.
Text findDataFolder(const Text& programFolder);

// Whether a folder findDataFolder gave is the installed prefix's.
bool installedDataFolder(const Text& dataFolder);

} // namespace game
