#include "shell/data_folder.hpp"

#include <array>
#include <sys/stat.h>

namespace game {

namespace {

constexpr const char* kSharedPlace = "../share/zuravozidizuvav/";

} // namespace

Text findDataFolder(const Text& programFolder) {
    // Beside the program first: a build folder next to an installed copy runs its own data.
    constexpr std::array<const char*, 2> kPlaces = {"data/", kSharedPlace};
    for (const char* place : kPlaces) {
        const Text folder = programFolder + place;
        struct stat info {};
        if (stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
            return folder;
        }
    }
    return {};
}

bool installedDataFolder(const Text& dataFolder) {
    return dataFolder.ends_with(kSharedPlace);
}

} // namespace game
