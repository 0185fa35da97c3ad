#include "shell/startup.hpp"

#include "media/device.hpp"
#include "media/display.hpp"
#include "media/font.hpp"
#include "media/image_decoders.hpp"
#include "media/input.hpp"
#include "media/jpeg_reader.hpp"
#include "media/random.hpp"
#include "media/sound.hpp"
#include "media/stop_signals.hpp"
#include "record/game_state.hpp"
#include "rules/menu.hpp"
#include "rules/snow.hpp"
#include "shell/data_folder.hpp"
#include "shell/load_catalogue.hpp"
#include "shell/main_loop.hpp"
#include "shell/score_file.hpp"
#include "view/text_draw.hpp"

#include <cstdio>
#include <string>
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

// A start that cannot go on says what failed in one line, before any window stays open, and
// ends with exit code 1; the score file is not written.
int failStart(const std::string& what) {
    std::fprintf(stderr, "zuravozidizuvav: %s\n", what.c_str());
    releaseServices();
    return 1;
}

// The media services in their fixed order; the first that cannot start is named.
std::string startServices() {
    if (initDisplay() == 0) {
        return "cannot show the game: " + device::videoProblem();
    }
    if (initQuadSprites() == 0) {
        return "the display cannot show pictures";
    }
    if (initKeyboard() == 0) {
        return "the keyboard cannot be read";
    }
    if (initSound() == 0) {
        return "no sound device can be opened";
    }
    if (initMouse() == 0) {
        return "the mouse cannot be read";
    }
    return {};
}

} // namespace

int startUp() {
    // Before the media library starts, so that a closed terminal or Ctrl+C ends the game through
    // the normal end, with the results saved.
    catchStopSignals();
    resetGameState();
    state.programFolder = device::programFolder();
    resetImageDecoders();
    initDrawing();
    seedRandomFromClock();
    initWindows();
    fillHelpAndCreditLines();

    // Without its font every text of the game would be blank: better not to start at all.
    const Text dataFolder = findDataFolder(state.programFolder);
    state.installedCopy = installedDataFolder(dataFolder) ? 1 : 0;
    const Text fontFile = dataFolder + kFontFileName;
    if (!openFont(fontFile)) {
        return failStart("font missing: " + fontProblem());
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

    const std::string serviceTrouble = startServices();
    if (!serviceTrouble.empty()) {
        return failStart(serviceTrouble);
    }
    if (openScreen(kScreenWidth, kScreenHeight, kScreenDepth, kTitle) == 0) {
        return failStart("the game's window cannot be opened: " + device::videoProblem());
    }
    installJpegDecoder();
    const std::string dataTrouble = loadCatalogue(dataFolder);
    if (!dataTrouble.empty()) {
        return failStart("data file missing or damaged: " + dataTrouble);
    }

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
