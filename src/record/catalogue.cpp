#include "record/catalogue.hpp"

namespace game {

const std::array<PictureEntry, kPictureCount> kPictures = {{
    {0, "wkhg.jpg"},          {1, "wkcrsr.bmp"},        {2, "wkschn.bmp"},
    {3, "wktanne.bmp"},       {4, "title.bmp"},         {5, "menu.bmp"},
    {6, "Undo.bmp"},          {7, "textbg.jpg"},        {8, "field.bmp"},
    {9, "highlighted.bmp"},   {40, "Ball_red.bmp"},     {42, "Ball_green.bmp"},
    {41, "Ball_blue.bmp"},    {43, "Ball_yellow.bmp"},  {44, "Ball_pink.bmp"},
    {45, "Ball_brown.bmp"},   {46, "Ball_silver.bmp"},  {50, "Broken_red.bmp"},
    {52, "Broken_green.bmp"}, {51, "Broken_blue.bmp"},  {53, "Broken_yellow.bmp"},
    {54, "Broken_pink.bmp"},  {55, "Broken_brown.bmp"}, {56, "Broken_silver.bmp"},
    {30, "smile.bmp"},        {31, "affraid.bmp"},      {32, "aahhh.bmp"},
    {34, "frtng.bmp"},        {33, "brpng.bmp"},        {35, "blnzln.bmp"},
    {36, "lookup.bmp"},       {37, "lookdownl.bmp"},    {38, "lookdownr.bmp"},
}};

const std::array<KeyEntry, 2> kKeyOverrides = {{
    {44, {0, 0, 0}},     // the pink ball is transparent where it is black
    {54, {255, 255, 0}}, // its shards where they are yellow
}};

const std::array<SoundEntry, kSoundCount> kSounds = {{
    {sound::kExplode, "explode.wav"},
    {sound::kNoWay, "noway.wav"},
    {sound::kMenuSelect, "menuselect.wav"},
    {sound::kMenuOpen, "menuopen.wav"},
    {sound::kFieldSelect, "fieldselect.wav"},
    {sound::kBurp, "brpng.wav"},
    {sound::kRaspberry, "frtng.wav"},
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
