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

// Reads the list and the settings; defaults for whatever the file does not hold. It also decides
// where saveScoreFile writes, creating nothing: the program's folder (the current directory) when
// its file, or the folder if there is no file, can be written; otherwise the player's own folder.
// When both hold a file, the one written last is read. A file that is there but cannot be read,
// or may not be written, is never replaced, and standard error says so once.
void loadScoreFile();

// Writes the list and the settings where loadScoreFile decided, replacing the file in one step
// (through a symbolic link, in its target's folder; with the old file's permissions): a crash or
// a full disk during the write leaves the previous file as it was. Temporary files of saves that
// were cut short are removed.
void saveScoreFile();

// Takes the list and the settings out of the file's bytes, as untrusted: what the bytes do not
// hold keeps its value, names are cut to kMaxNameBytes printable bytes, settings out of range
// become their defaults.
void decodeScoreFile(const std::vector<std::uint8_t>& bytes);

// The file's bytes for the list and settings in the game state.
std::vector<std::uint8_t> encodeScoreFile();

} // namespace game
