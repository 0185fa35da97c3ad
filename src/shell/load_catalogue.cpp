#include "shell/load_catalogue.hpp"

#include "media/file_bytes.hpp"
#include "media/sound.hpp"
#include "media/sprites.hpp"
#include "record/catalogue.hpp"

#include <climits>
#include <unistd.h>

namespace game {

std::string loadCatalogue(const Text& dataFolder) {
    std::string problem;
    // Only the first failure is told, with the file's full path.
    const auto note = [&problem, &dataFolder](const char* file, const std::string& why) {
        if (!problem.empty()) {
            return;
        }
        char here[PATH_MAX];
        const std::string folder = !dataFolder.starts_with("/") && getcwd(here, sizeof here)
                                       ? std::string(here) + "/"
                                       : "";
        problem = folder + dataFolder + file + ": " + (why.empty() ? "cannot be loaded" : why);
    };
    for (int i = 0; i < kPictureCount; ++i) {
        if (i == kBlackKeyedPictures) {
            setColorKey(-1, kLaterDefaultKey.r, kLaterDefaultKey.g, kLaterDefaultKey.b);
        }
        const PictureEntry& picture = kPictures[static_cast<std::size_t>(i)];
        takeLoadProblem();
        if (loadSprite(picture.id, (dataFolder + picture.file).c_str()) == 0) {
            note(picture.file, takeLoadProblem());
        }
    }
    for (const KeyEntry& entry : kKeyOverrides) {
        setColorKey(entry.id, entry.key.r, entry.key.g, entry.key.b);
    }
    for (const SoundEntry& entry : kSounds) {
        // A sound device that refuses a good file is not the file's fault: only a reason the
        // file gave is told.
        takeLoadProblem();
        if (loadSound(entry.id, (dataFolder + entry.file).c_str()) == 0) {
            const std::string why = takeLoadProblem();
            if (!why.empty()) {
                note(entry.file, why);
            }
        }
    }
    for (const VolumeEntry& entry : kSoundVolumes) {
        setSoundVolume(entry.id, entry.volume);
    }
    return problem;
}

} // namespace game
