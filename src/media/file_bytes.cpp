#include "media/file_bytes.hpp"

#include <cstdio>
#include <memory>

namespace game {

bool readFileBytes(const char* path, std::size_t maxBytes, std::vector<std::uint8_t>& out) {
    out.clear();
    if (path == nullptr) {
        return false;
    }
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path, "rb"), &std::fclose);
    if (!file) {
        return false;
    }
    // Read in blocks rather than trusting a size asked up front: the file may change meanwhile,
    // or be a device without a size.
    std::uint8_t block[65536];
    for (;;) {
        const std::size_t got = std::fread(block, 1, sizeof block, file.get());
        if (got == 0) {
            break;
        }
        if (out.size() + got > maxBytes) {
            out.clear();
            return false;
        }
        out.insert(out.end(), block, block + got);
    }
    if (std::ferror(file.get()) != 0) {
        out.clear();
        return false;
    }
    return true;
}

} // namespace game
