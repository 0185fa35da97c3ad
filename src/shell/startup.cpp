#include "shell/startup.hpp"

#include "media/device.hpp"
#include "media/display.hpp"
#include "media/font.hpp"
#include "media/image_decoders.hpp"
#include "media/input.hpp"
#include "media/jpeg_reader.hpp"
#include "media/random.hpp"
#include "media/sound.hpp"
#include "rules/menu.hpp"
#include "shell/data_folder.hpp"
#include "shell/game_state.hpp"
#include "shell/load_catalogue.hpp"
#include "shell/main_loop.hpp"
#include "shell/score_file.hpp"
#include "view/snow.hpp"
#include "view/text_draw.hpp"

#include <cstdio>
#include <unistd.h>

namespace game {
namespace {

constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;
constexpr int kScreenDepth = 32;
constexpr const char* kTitle = "Zuravozidizuvav";

// Releases the media services in their fixed order; each does nothing if it never started.
void releaseServices() {
    closeKeyboard();
    closeMouse();
    closeSound();
    closeDisplay();
    freeQuadSprites();
    closeAllWindows();
}

} // namespace

int startUp() {
    resetGameState();
    state.programFolder = device::programFolder();
    resetImageDecoders();
    initDrawing();
    seedRandomFromClock();
    initWindows();
    fillHelpAndCreditLines();

    // Without its font every text of the game would be blank: better not to start at all.
    const Text dataFolder = findDataFolder(state.programFolder);
    const Text fontFile = dataFolder + kFontFileName;
    if (!openFont(fontFile)) {
        std::fprintf(stderr, "zuravozidizuvav: cannot open the font %s\n", fontFile.c_str());
        return 1;
    }

    // Every relative path from here on (the score file, the data folder) resolves against the
    // program's own folder, wherever the program was started from.
    if (!state.programFolder.empty() && chdir(state.programFolder.c_str()) != 0) {
        state.programFolder.clear();
    }
    loadScoreFile();
    buildMenu();
    // The snow's starting heights depend on snowOn as just read.
    initSnow();
    state.noisyFacesOn = 0;
    state.showFps = 0;

    // A media service that cannot start ends the program silently, with nothing written.
    const bool started = initDisplay() != 0 && initQuadSprites() != 0 && initKeyboard() != 0 &&
                         initSound() != 0 && initMouse() != 0;
    if (!started || openScreen(kScreenWidth, kScreenHeight, kScreenDepth, kTitle) == 0) {
        releaseServices();
        return 0;
    }
    installJpegDecoder();
    loadCatalogue(dataFolder);

    state.overlayX = kOverlayHidden;
    state.selectedCol = -1;
    state.selectedRow = -1;
    setMousePosition(320, 240);
    state.typedName.clear();
    state.enteredName.clear();
    state.nameEntryActive = 0;

    runMainLoop();
    shutDown();
    return 0;
}

void shutDown() {
    saveScoreFile();
    releaseServices();
}

} // namespace game
