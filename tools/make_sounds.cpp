// Synthesises every sound of the game into a folder:  make_sounds <data folder>

#include "sound/effects.hpp"

#include <cstdio>
#include <exception>
#include <string>

using namespace game::tools;

namespace {

// Loud, but with a little room so that nothing clips on the way to the speaker.
constexpr double kPeakDb = 1.0;

void run(const std::string& dir) {
    struct Effect {
        const char* file;
        Samples (*make)();
    };
    const Effect effects[] = {
        {"explode.wav", explodeSound},         {"noway.wav", noWaySound},
        {"menuselect.wav", menuSelectSound},   {"menuopen.wav", menuOpenSound},
        {"fieldselect.wav", fieldSelectSound}, {"brpng.wav", burpSound},
        {"frtng.wav", raspberrySound},
    };
    for (const Effect& e : effects) {
        Samples s = e.make();
        normalise(s, kPeakDb);
        writeWav(dir + "/" + e.file, s);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sounds <data folder>\n");
        return 2;
    }
    try {
        run(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_sounds: %s\n", e.what());
        return 1;
    }
    return 0;
}
