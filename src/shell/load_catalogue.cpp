#include "shell/load_catalogue.hpp"

#include "media/sound.hpp"
#include "media/sprites.hpp"
#include "shell/catalogue.hpp"

namespace game {

void loadCatalogue(const Text& dataFolder) {
    for (int i = 0; i < kPictureCount; ++i) {
        if (i == kBlackKeyedPictures) {
            setColorKey(-1, kLaterDefaultKey.r, kLaterDefaultKey.g, kLaterDefaultKey.b);
        }
        const PictureEntry& picture = kPictures[static_cast<std::size_t>(i)];
        loadSprite(picture.id, (dataFolder + picture.file).c_str());
    }
    for (const KeyEntry& entry : kKeyOverrides) {
        setColorKey(entry.id, entry.key.r, entry.key.g, entry.key.b);
    }
    for (const SoundEntry& entry : kSounds) {
        loadSound(entry.id, (dataFolder + entry.file).c_str());
    }
    for (const VolumeEntry& entry : kSoundVolumes) {
        setSoundVolume(entry.id, entry.volume);
    }
}

} // namespace game
