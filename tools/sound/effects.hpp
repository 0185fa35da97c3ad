#pragma once
// The game's sound effects, each made from nothing but arithmetic and a fixed seed.

#include "sound/synth.hpp"

namespace game::tools {

Samples explodeSound();     // explode.wav
Samples noWaySound();       // noway.wav
Samples menuSelectSound();  // menuselect.wav
Samples menuOpenSound();    // menuopen.wav
Samples fieldSelectSound(); // fieldselect.wav
Samples burpSound();        // brpng.wav
Samples raspberrySound();   // frtng.wav

} // namespace game::tools
