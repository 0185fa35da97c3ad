#pragma once
// flockvel.txt: the ten high-score rows and the three settings, kept between runs. Despite its
// name the file is not plain text: numbers are 4 raw bytes (signed, little-endian), names are
// lines ending in CR LF.
//
//   10 x (score, name line), then soundOn, snowOn, difficulty

#include "media/texts.hpp"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace game {

constexpr const char* kScoreFileName = "flockvel.txt";
constexpr std::size_t kMaxNameBytes = 255; // longer name lines are cut, the rest skipped

// "Pos 1 Player" .. "Pos 10 Player" with 100 .. 10 points; sound and snow on, "Mittel".
void setDefaultScoresAndSettings();

// Reads the list and the settings; defaults for whatever the file does not hold. The file comes
// from the program's folder (the current directory), or from the player's own folder when the
// program's folder cannot be written.
void loadScoreFile();

// Writes the list and the settings, replacing the file in one step: a crash or a full disk
// during the write leaves the previous file as it was.
void saveScoreFile();

// The file's bytes for the list and settings in the game state.
std::vector<std::uint8_t> encodeScoreFile();

} // namespace game
