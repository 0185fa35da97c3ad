#pragma once
// How the player wants the picture shown: which presentation path (chosen at start-up unless
// forced) and whether the game starts in a window. Set from the command line and the ZV_PRESENT
// environment variable before the display opens.

#include <string>
#include <string_view>

namespace game {

enum class PresentPath {
    Auto, // look at the machine: the GPU when there is a real one, else the CPU
    Cpu,  // scaled on the CPU into the window's own pixels
    Gpu,  // a streaming texture scaled by the renderer
};

struct DisplayOptions {
    PresentPath present = PresentPath::Auto;
    bool startInWindow = false;
};

extern DisplayOptions displayOptions;

// Reads the arguments after the program's name, with ZV_PRESENT's value (or null) as the default
// path. False, with what was wrong in error, for an argument or value it does not know.
bool parseDisplayOptions(int argc, const char* const* argv, const char* presentEnv,
                         DisplayOptions& into, std::string& error);

extern const char* const kDisplayOptionsHelp;

// Whether an OpenGL renderer's name is a rasteriser running on the CPU (Mesa's llvmpipe,
// softpipe, swrast): such a GL claims to be accelerated but costs far more than plain copies.
bool isSoftwareRendererName(std::string_view name);

} // namespace game
