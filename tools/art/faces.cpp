// The nine faces the balls wear. At thirty pixels a face is a handful of pixels, so faces are
// set pixel by pixel from small stamps (eyes, brows, mouths, cheeks) rather than drawn smooth:
// every pixel is either part of a feature or transparent, and the ball shows through.

#include "art/pictures.hpp"

#include <array>
#include <string>
#include <vector>

namespace game::tools {

namespace {

const std::array<const char*, kFaces> kNames = {
    "smile", "affraid", "aahhh", "brpng", "frtng", "blnzln", "lookup", "lookdownl", "lookdownr"};

// Stamp letters: k ink, w white, m mouth, t tongue, c cheek, b light blue, B blue ink.
Rgb8 inkOf(char c) {
    switch (c) {
    case 'k':
        return {44, 18, 26};
    case 'w':
        return {255, 255, 255};
    case 'm':
        return {122, 20, 34};
    case 't':
        return {240, 96, 116};
    case 'c':
        return {255, 142, 156};
    case 'b':
        return {186, 228, 255};
    default:
        return {36, 84, 158};
    }
}

using Stamp = std::vector<std::string>;

class Face {
public:
    explicit Face(Rgb8 key) : picture_(layout::kBallSize, layout::kBallSize) {
        for (Rgb8& p : picture_.pixels) {
            p = key;
        }
    }

    // Sets the stamp's letters with its top-left corner at (x, y); '.' leaves a pixel alone.
    void stamp(const Stamp& s, int x, int y) {
        for (std::size_t row = 0; row < s.size(); ++row) {
            for (std::size_t col = 0; col < s[row].size(); ++col) {
                if (s[row][col] != '.') {
                    picture_.at(x + static_cast<int>(col), y + static_cast<int>(row)) =
                        inkOf(s[row][col]);
                }
            }
        }
    }

    // The stamp on the left and its mirror image on the right of the face.
    void pair(const Stamp& left, int x, int y) {
        stamp(left, x, y);
        stamp(mirrored(left), layout::kBallSize - x - static_cast<int>(left[0].size()), y);
    }

    Picture take() { return std::move(picture_); }

private:
    static Stamp mirrored(const Stamp& s) {
        Stamp out;
        for (const std::string& row : s) {
            out.emplace_back(row.rbegin(), row.rend());
        }
        return out;
    }

    Picture picture_;
};

// Eyes: an outlined white with a pupil that carries a glint. Six wide, so a centred pupil sits in
// the middle; the left eye spans columns 7 to 12, the right one 17 to 22.
Stamp openEye(int pupilX, int pupilY, int height, int pupilHeight) {
    Stamp rows(static_cast<std::size_t>(height), "kwwwwk");
    rows.front() = ".kkkk.";
    rows.back() = ".kkkk.";
    for (int r = 0; r < pupilHeight; ++r) {
        std::string& row = rows[static_cast<std::size_t>(1 + pupilY + r)];
        row[static_cast<std::size_t>(1 + pupilX)] = 'k';
        row[static_cast<std::size_t>(2 + pupilX)] = 'k';
    }
    if (pupilHeight >= 3) {
        rows[static_cast<std::size_t>(1 + pupilY)][static_cast<std::size_t>(1 + pupilX)] = 'w';
    }
    return rows;
}

const Stamp kCheek = {"cccc", ".cc."};
const Stamp kSmile = {"kkkkkkkk", "kmmmmmmk", ".kmttmk.", "..kkkk.."};
const Stamp kClosedEye = {"k....k", ".kkkk."}; // a blink: the lid curves down
const Stamp kSquint = {".kkkk.", "k....k"};    // happily squeezed shut
const Stamp kPinched = {"kk...", "..kk.", "....k", "..kk.", "kk..."};
const Stamp kWorriedBrow = {"..kk", "kk.."};
const Stamp kRaisedBrow = {".kk.", "k..k"};
const Stamp kWobblyMouth = {".kk..kk.", "k..kk..k"};
const Stamp kShoutMouth = {".kkkk.", "kmmmmk", "kmmmmk", "kmmmmk", "kttttk", ".kkkk."};
const Stamp kBurpMouth = {"..kkkk.", ".kmmmmk", "kmmmmk.", ".kkkk.."};
const Stamp kBubble = {".B.", "BbB", ".B."};
const Stamp kSweat = {".B.", "BbB", "BbB", ".B."};
const Stamp kLips = {"kkkkkkkkkk"};
const Stamp kTongue = {"kttttk", "kttttk", ".kttk.", "..kk.."};
const Stamp kDrop = {"b"};

constexpr int kEyeX = 7;
constexpr int kEyeY = 10;
constexpr int kMouthX = 11;
constexpr int kMouthY = 18;

void smiling(Face& f, int pupilX, int pupilY) {
    f.pair(openEye(pupilX, pupilY, 7, 3), kEyeX, kEyeY);
    f.pair(kCheek, 4, 18);
    f.stamp(kSmile, kMouthX, kMouthY);
}

} // namespace

const char* faceName(int index) {
    return kNames[static_cast<std::size_t>(index)];
}

Picture makeFace(int face, Rgb8 key) {
    Face f(key);
    switch (face) {
    case 0: // smile
        smiling(f, 1, 1);
        break;
    case 1: // afraid: wide eyes, tiny pupils, worried brows, trembling mouth, a bead of sweat
        f.pair(openEye(1, 2, 8, 2), kEyeX, kEyeY - 1);
        f.pair(kWorriedBrow, 8, 6);
        f.stamp(kWobblyMouth, kMouthX, kMouthY + 1);
        f.stamp(kSweat, 22, 6);
        break;
    case 2: // aahhh: in the air, brows up and mouth wide open
        f.pair(openEye(1, 1, 8, 2), kEyeX, kEyeY - 1);
        f.pair(kRaisedBrow, 8, 5);
        f.stamp(kShoutMouth, 12, kMouthY);
        break;
    case 3: // burp: eyes squeezed happily, cheeks puffed, a lopsided mouth and a bubble
        f.pair(kSquint, kEyeX, kEyeY + 3);
        f.pair(kCheek, 4, 17);
        f.pair({"cc"}, 5, 19);
        f.stamp(kBurpMouth, 12, kMouthY);
        f.stamp(kBubble, 20, kMouthY + 2);
        break;
    case 4: // raspberry: eyes pinched shut, tongue out, spraying
        f.stamp(kPinched, kEyeX + 1, kEyeY + 1);
        f.stamp({"...kk", ".kk..", "k....", ".kk..", "...kk"}, 17, kEyeY + 1);
        f.pair(kCheek, 4, 18);
        f.stamp(kLips, 10, kMouthY);
        f.stamp(kTongue, 12, kMouthY + 1);
        f.stamp(kDrop, 9, kMouthY + 3);
        f.stamp(kDrop, 20, kMouthY + 4);
        f.stamp(kDrop, 21, kMouthY + 2);
        break;
    case 5: // blink
        f.pair(kClosedEye, kEyeX, kEyeY + 3);
        f.pair(kCheek, 4, 18);
        f.stamp(kSmile, kMouthX, kMouthY);
        break;
    case 6: // looking up, brows raised
        smiling(f, 1, 0);
        f.pair(kRaisedBrow, 8, 7);
        break;
    case 7: // looking down to the left
        smiling(f, 0, 2);
        break;
    default: // looking down to the right
        smiling(f, 2, 2);
        break;
    }
    return f.take();
}

} // namespace game::tools
