#include "shell/catalogue.hpp"

namespace game {

const std::array<PictureEntry, kPictureCount> kPictures = {{
    {0, "data/wkhg.jpg"},          {1, "data/wkcrsr.bmp"},        {2, "data/wkschn.bmp"},
    {3, "data/wktanne.bmp"},       {4, "data/title.bmp"},         {5, "data/menu.bmp"},
    {6, "data/Undo.bmp"},          {7, "data/textbg.jpg"},        {8, "data/field.bmp"},
    {9, "data/highlighted.bmp"},   {40, "data/Ball_red.bmp"},     {42, "data/Ball_green.bmp"},
    {41, "data/Ball_blue.bmp"},    {43, "data/Ball_yellow.bmp"},  {44, "data/Ball_pink.bmp"},
    {45, "data/Ball_brown.bmp"},   {46, "data/Ball_silver.bmp"},  {50, "data/Broken_red.bmp"},
    {52, "data/Broken_green.bmp"}, {51, "data/Broken_blue.bmp"},  {53, "data/Broken_yellow.bmp"},
    {54, "data/Broken_pink.bmp"},  {55, "data/Broken_brown.bmp"}, {56, "data/Broken_silver.bmp"},
    {30, "data/smile.bmp"},        {31, "data/affraid.bmp"},      {32, "data/aahhh.bmp"},
    {34, "data/frtng.bmp"},        {33, "data/brpng.bmp"},        {35, "data/blnzln.bmp"},
    {36, "data/lookup.bmp"},       {37, "data/lookdownl.bmp"},    {38, "data/lookdownr.bmp"},
}};

const std::array<KeyEntry, 2> kKeyOverrides = {{
    {44, {0, 0, 0}},     // the pink ball is transparent where it is black
    {54, {255, 255, 0}}, // its shards where they are yellow
}};

const std::array<SoundEntry, kSoundCount> kSounds = {{
    {sound::kExplode, "data/explode.wav"},
    {sound::kNoWay, "data/noway.wav"},
    {sound::kMenuSelect, "data/menuselect.wav"},
    {sound::kMenuOpen, "data/menuopen.wav"},
    {sound::kFieldSelect, "data/fieldselect.wav"},
    {sound::kBurp, "data/brpng.wav"},
    {sound::kRaspberry, "data/frtng.wav"},
}};

const std::array<VolumeEntry, 3> kSoundVolumes = {{
    {sound::kFieldSelect, 50},
    {sound::kMenuOpen, 33},
    {sound::kRaspberry, 25},
}};

Rgb finalColorKey(SpriteId id) {
    for (const KeyEntry& entry : kKeyOverrides) {
        if (entry.id == id) {
            return entry.key;
        }
    }
    for (int i = 0; i < kBlackKeyedPictures; ++i) {
        if (kPictures[i].id == id) {
            return kFirstDefaultKey;
        }
    }
    return kLaterDefaultKey;
}

} // namespace game
