#include "shell/load_catalogue.hpp"

#include "media/sound.hpp"
#include "media/sprites.hpp"
#include "shell/catalogue.hpp"

namespace game {

void loadCatalogue() {
    for (int i = 0; i < kPictureCount; ++i) {
        if (i == kBlackKeyedPictures) {
            setColorKey(-1, kLaterDefaultKey.r, kLaterDefaultKey.g, kLaterDefaultKey.b);
        }
        loadSprite(kPictures[static_cast<std::size_t>(i)].id,
                   kPictures[static_cast<std::size_t>(i)].file);
    }
    for (const KeyEntry& entry : kKeyOverrides) {
        setColorKey(entry.id, entry.key.r, entry.key.g, entry.key.b);
    }
    for (const SoundEntry& entry : kSounds) {
        loadSound(entry.id, entry.file);
    }
    for (const VolumeEntry& entry : kSoundVolumes) {
        setSoundVolume(entry.id, entry.volume);
    }
}

} // namespace game
