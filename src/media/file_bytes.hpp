#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace game {

// Reads a whole regular file; false if it cannot be read, is not a regular file (a FIFO, device
// or folder would block or never end) or is larger than maxBytes. why, if given, receives the
// reason in a few words.
bool readFileBytes(const char* path, std::size_t maxBytes, std::vector<std::uint8_t>& out,
                   std::string* why = nullptr);

// Opens a regular file for reading, the same checked way; -1 if it cannot be opened, is not a
// regular file or is larger than maxBytes (why, if given, says which). size receives its size.
// The caller closes the descriptor.
int openRegularFile(const char* path, std::size_t maxBytes, std::size_t& size,
                    std::string* why = nullptr);

// The last reason a picture, sound or the font could not be loaded; emptied by takeLoadProblem.
void noteLoadProblem(std::string why);
std::string takeLoadProblem();

} // namespace game
