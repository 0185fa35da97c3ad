// Draws every picture of the game into a folder:  make_pictures <data folder> <title font file>

#include "art/canvas.hpp"
#include "art/pictures.hpp"

#include <cstdio>
#include <exception>
#include <string>

using namespace game::tools;

namespace {

constexpr int kJpegQuality = 92;

void run(const std::string& dir, const std::string& fontFile) {
    auto bmp = [&dir](const std::string& name, const Picture& p) { writeBmp(dir + "/" + name, p); };

    // Pictures loaded while the default key is black.
    const Picture background = makeBackground();
    writeJpeg(dir + "/wkhg.jpg", background, kJpegQuality);
    bmp("wkcrsr.bmp", makeCursor(kBlackKey));
    bmp("wkschn.bmp", makeSnowflake(kBlackKey));
    bmp("wktanne.bmp", makeTree(background, kBlackKey));
    bmp("title.bmp", makeTitle(background, fontFile, kBlackKey));
    bmp("menu.bmp", makeMenuTab(background, kBlackKey));

    // The rest are keyed magenta, but for the pink ball (black) and its shards (yellow).
    bmp("Undo.bmp", makeUndo(background, kMagentaKey));
    writeJpeg(dir + "/textbg.jpg", makePanel(), kJpegQuality);
    bmp("field.bmp", makeField(background, kMagentaKey));
    bmp("highlighted.bmp", makeHighlight(kMagentaKey));
    constexpr int kPink = 4;
    for (int colour = 0; colour < kBallColours; ++colour) {
        const std::string name = ballColourName(colour);
        bmp("Ball_" + name + ".bmp", makeBall(colour, colour == kPink ? kBlackKey : kMagentaKey));
        bmp("Broken_" + name + ".bmp",
            makeShards(colour, colour == kPink ? kYellowKey : kMagentaKey));
    }
    for (int face = 0; face < kFaces; ++face) {
        bmp(std::string(faceName(face)) + ".bmp", makeFace(face, kMagentaKey));
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_pictures <data folder> <title font file>\n");
        return 2;
    }
    try {
        run(argv[1], argv[2]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_pictures: %s\n", e.what());
        return 1;
    }
    return 0;
}
