#pragma once
// The one record of the game: every rule, the shell and the drawing read and write its fields.
// Flags are 0/1 integers, -1 means "none" for a board coordinate or a menu index.

#include "media/clock.hpp"
#include "media/element_list.hpp"
#include "media/texts.hpp"

#include <array>
#include <cstdint>

namespace game {

constexpr int kBoardSize = 9;
constexpr int kCellCount = kBoardSize * kBoardSize;
constexpr int kMenuItems = 8;
constexpr int kSnowflakes = 200;
constexpr int kHighScoreSlots = 11; // 0..9 the list, 10 the candidate
constexpr std::int32_t kShownRows = 10;
constexpr std::int32_t kCandidateSlot = 10;
constexpr int kHelpLines = 10;
constexpr int kCreditLines = 12;
constexpr int kNextColors = 7;
constexpr int kLevelCounts = 82;

// One square of the board and the working fields of every rule that touches it.
struct Cell {
    std::int32_t color = 0;            // 0 empty, 1..7 a ball
    std::int32_t undoColor = 0;        // color at the last move attempt
    float height = 0;                  // pixels above the square; 0 = resting
    float fallSpeed = 0;               // change of height per frame, positive = downwards
    std::int32_t distance = 0;         // path search: steps from the source, -1 unreached
    std::int32_t spare = 0;            // only ever cleared
    std::int32_t mark = 0;             // scratch mark of the path and row searches
    std::int32_t onPath = 0;           // path search: still a candidate of the shortest path
    std::int32_t bursting = 0;         // waits to burst
    std::int32_t expression = 0;       // 0 none, 1..6
    std::uint32_t expressionUntil = 0; // tick at which the expression ends
};

struct MenuItem {
    std::int32_t id = 0;     // 30 + index
    std::int32_t x = 0;      // -134 rested, 0 fully out
    std::int32_t y = 0;      // top edge; the tab is 40 pixels high
    Text label;              // first part of the caption
    std::int32_t labelX = 0; // caption offset from x
};

struct Snowflake {
    float x = 0;
    float y = 0;
    float drift = 0; // -2..2
    float speed = 0; // 0.8 or 1.8 pixels per frame
};

struct Shard {
    float x = 0;
    float y = 0;
    std::int32_t angle = 0; // degrees
    std::int32_t speed = 0; // pixels per frame
    std::int32_t color = 0; // ball colour 1..7
};

struct HighScoreEntry {
    std::int32_t score = 0;
    Text name;
};

struct GameState {
    Text programFolder; // the executable's folder, ending in '/'
    // The data lies in an installed prefix: the program's folder belongs to the system (even
    // when root may write it), so the score file lives in the player's own folder only.
    std::int32_t installedCopy = 0;
    // Where the score file is written at the end, decided when it is read (empty: nowhere).
    std::int32_t scoreFileChosen = 0;
    std::string scoreFilePath;

    // --- settings (kept in the score file) ---
    std::int32_t soundOn = 0;
    std::int32_t snowOn = 0;
    std::int32_t difficulty = 0;

    // --- main loop ---
    std::int32_t showFps = 0;
    std::int32_t noisyFacesOn = 0;
    std::int32_t frameTick = 0;
    Deadline nextFrameTick;
    std::int32_t framesCounted = 0;
    std::int32_t framesPerSecond = 0;
    Deadline nextFpsTick;
    std::int32_t mouseX = 0;
    std::int32_t mouseY = 0;
    std::int32_t leftClick = 0;
    std::int32_t rightClick = 0;
    std::int32_t leftHeld = 0;
    std::int32_t rightHeld = 0;
    Deadline clickLockUntil;
    std::int32_t ctrlFLatch = 0;
    std::int32_t ctrlSLatch = 0;
    std::int32_t quitRequested = 0; // "Ende" chosen: the loop ends after this pass

    // --- keyboard play ---
    std::int32_t keyCursorShown = 0; // 1 while the arrow keys, not the mouse, point at the board
    std::int32_t keyCursorCol = kBoardSize / 2; // the first time at the centre
    std::int32_t keyCursorRow = kBoardSize / 2;
    std::int32_t pointerX = 0; // the mouse's own position at the last pass
    std::int32_t pointerY = 0;
    std::int32_t ctrlNLatch = 0;
    std::int32_t f1Latch = 0;
    std::int32_t ctrlHLatch = 0;

    // --- name entry and high scores ---
    std::int32_t nameEntryActive = 0;
    Text typedName;
    Text enteredName;
    std::array<HighScoreEntry, kHighScoreSlots> highScores{};

    // --- board and game ---
    std::array<Cell, kCellCount> board{}; // cell (col, row) is element col * 9 + row
    std::int32_t gameRunning = 0;
    std::int32_t score = 0;
    std::int32_t undoScore = 0;
    std::int32_t undoableMoves = 0;
    std::int32_t selectedCol = 0;
    std::int32_t selectedRow = 0;
    std::int32_t hoverCol = 0;
    std::int32_t hoverRow = 0;
    std::array<std::int32_t, kNextColors> nextColors{};

    // --- path search ---
    std::int32_t sourceCol = 0;
    std::int32_t sourceRow = 0;
    std::int32_t targetCol = 0;
    std::int32_t targetRow = 0;
    std::int32_t pathSteps = 0;
    std::int32_t searchDepth = 0;
    std::array<std::int32_t, kLevelCounts> levelCounts{};

    // --- the walking ball ---
    std::int32_t ballMoving = 0;
    Text movePath;
    std::int32_t moveLength = 0;
    std::int32_t moveStep = 0;
    std::int32_t movingCol = 0;
    std::int32_t movingRow = 0;
    Deadline nextStepTick;

    // --- rows and new balls ---
    std::int32_t rowsFound = 0;
    std::int32_t runLength = 0;
    std::int32_t emptyCount = 0;
    std::int32_t dropCount = 0;
    std::int32_t boardFull = 0;
    std::int32_t dropTries = 0;

    // --- menu and pages ---
    std::array<MenuItem, kMenuItems> menu{};
    std::int32_t menuHover = 0;
    std::int32_t menuAction = 0;
    std::int32_t menuSliding = 0;
    std::int32_t lastOpenedItem = 0;
    std::int32_t overlayPage = 0;
    std::int32_t overlayX = 0;

    // --- decoration ---
    std::int32_t bobAngle = 0; // degrees, 10..360: the bobbing of the highlight and Undo button
    std::array<Snowflake, kSnowflakes> snow{};
    ElementList<Shard> shards;

    // --- fixed texts ---
    std::array<Text, kHelpLines> helpLines{};
    std::array<Text, kCreditLines> creditLines{};
};

extern GameState state;

// Back to the state of a process that has just started: every field zero (the keyboard cursor
// at the centre), every text empty, no shards.
void resetGameState();

// The help and credit pages' lines.
void fillHelpAndCreditLines();

} // namespace game
