#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace game {

// Reads a whole file; false if it cannot be read or is larger than maxBytes.
bool readFileBytes(const char* path, std::size_t maxBytes, std::vector<std::uint8_t>& out);

} // namespace game
