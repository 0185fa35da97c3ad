#pragma once
// Shared bits of the look-at tools: which key each picture file has, pictures as Cairo surfaces.

#include "art/canvas.hpp"

#include <cairo.h>
#include <string>

namespace game::tools {

struct PictureFile {
    const char* name;
    Rgb8 key;
};

// Every picture the game loads, in its load order, with the key it ends up with.
inline constexpr PictureFile kPictureFiles[] = {
    {"wkhg.jpg", kBlackKey},
    {"wkcrsr.bmp", kBlackKey},
    {"wkschn.bmp", kBlackKey},
    {"wktanne.bmp", kBlackKey},
    {"title.bmp", kBlackKey},
    {"menu.bmp", kBlackKey},
    {"Undo.bmp", kMagentaKey},
    {"textbg.jpg", kMagentaKey},
    {"field.bmp", kMagentaKey},
    {"highlighted.bmp", kMagentaKey},
    {"Ball_red.bmp", kMagentaKey},
    {"Ball_green.bmp", kMagentaKey},
    {"Ball_blue.bmp", kMagentaKey},
    {"Ball_yellow.bmp", kMagentaKey},
    {"Ball_pink.bmp", kBlackKey},
    {"Ball_brown.bmp", kMagentaKey},
    {"Ball_silver.bmp", kMagentaKey},
    {"Broken_red.bmp", kMagentaKey},
    {"Broken_green.bmp", kMagentaKey},
    {"Broken_blue.bmp", kMagentaKey},
    {"Broken_yellow.bmp", kMagentaKey},
    {"Broken_pink.bmp", kYellowKey},
    {"Broken_brown.bmp", kMagentaKey},
    {"Broken_silver.bmp", kMagentaKey},
    {"smile.bmp", kMagentaKey},
    {"affraid.bmp", kMagentaKey},
    {"aahhh.bmp", kMagentaKey},
    {"frtng.bmp", kMagentaKey},
    {"brpng.bmp", kMagentaKey},
    {"blnzln.bmp", kMagentaKey},
    {"lookup.bmp", kMagentaKey},
    {"lookdownl.bmp", kMagentaKey},
    {"lookdownr.bmp", kMagentaKey},
};

// An ARGB32 surface of the picture; key-coloured pixels become transparent unless keyed is false.
cairo_surface_t* pictureSurface(const Picture& picture, Rgb8 key, bool keyed);

} // namespace game::tools
