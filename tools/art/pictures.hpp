#pragma once
// The picture makers, one per kind of picture, and the sizes and places they are made for.

#include "art/canvas.hpp"
#include "art/paint.hpp"

#include <string>

namespace game::tools {

// Where the game draws things, in screen pixels.
namespace layout {
// A board square's corners relative to its origin are (20, 0), (60, 10), (40, 30), (0, 20); the
// square picture is drawn 2 pixels higher, so inside the picture they sit 2 pixels lower.
inline constexpr int kFieldWidth = 61;
inline constexpr int kFieldHeight = 36; // the top face plus the slab's edge below it
inline constexpr int kFieldLift = 2;
// Ball and face pictures are drawn at (square x + 15, square y - 12) when resting.
inline constexpr int kBallSize = 30;
inline constexpr double kBallCx = 15.0;
inline constexpr double kBallCy = 16.0;
inline constexpr double kBallR = 13.4;
inline constexpr int kShardWidth = 11;
inline constexpr int kShardHeight = 12;
inline constexpr int kShardFrames = 6;
inline constexpr int kTabWidth = 144;
inline constexpr int kTabHeight = 40;
inline constexpr int kPanelWidth = 400;
inline constexpr int kPanelHeight = 300;
inline constexpr int kScreenWidth = 640;
inline constexpr int kScreenHeight = 480;
inline constexpr int kTreeX = 40;
inline constexpr int kTreeY = 330;
inline constexpr int kTitleX = 190;
inline constexpr int kTitleY = 0;
inline constexpr int kUndoX = 582;
inline constexpr int kUndoY = 440;
} // namespace layout

// Ball colours in the game's order: red, blue, green, yellow, pink, brown, silver.
inline constexpr int kBallColours = 7;
const char* ballColourName(int index);
Colour ballBaseColour(int index);
Colour ballOrnamentColour(int index);

// Face expressions in sprite order 30..38.
inline constexpr int kFaces = 9;
const char* faceName(int index);

Picture makeBackground();
Picture makeField(const Picture& background, Rgb8 key);
Picture makeHighlight(Rgb8 key);
Picture makeBall(int colour, Rgb8 key);
// The ball as a smooth drawing in the 30 x 30 units of its picture, at any scale of cr.
void drawBall(cairo_t* cr, int colour);
Picture makeFace(int face, Rgb8 key);
Picture makeShards(int colour, Rgb8 key);
Picture makeTree(const Picture& background, Rgb8 key);
Picture makeTitle(const Picture& background, const std::string& fontFile, Rgb8 key);
Picture makeMenuTab(const Picture& background, Rgb8 key);
Picture makeUndo(const Picture& background, Rgb8 key);
Picture makePanel();
Picture makeCursor(Rgb8 key);
Picture makeSnowflake(Rgb8 key);

// The colour of the snow on a board square, the matte for everything that stands on it.
Rgb8 fieldSurfaceColour();

} // namespace game::tools
