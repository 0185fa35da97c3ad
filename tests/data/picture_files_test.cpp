// The picture files themselves: readable as the game reads them, the right sizes, and transparent
// exactly where their key colour says so.

#include "data/data_files.hpp"

#include "shell/catalogue.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace game::testdata {
namespace {

bool isJpeg(const std::string& file) {
    return file.ends_with(".jpg");
}

TEST(PictureFiles, EveryCataloguePictureIsReadableInItsForm) {
    for (const PictureEntry& entry : kPictures) {
        const std::vector<unsigned char> bytes = readDataFile(entry.file);
        ASSERT_FALSE(bytes.empty()) << entry.file << " is missing";
        if (isJpeg(entry.file)) {
            EXPECT_TRUE(decodeJpeg(bytes).has_value()) << entry.file;
        } else {
            EXPECT_TRUE(parseBmp(bytes).has_value())
                << entry.file << " is not a 24-bit uncompressed bottom-up BMP";
        }
    }
}

TEST(PictureFiles, BitmapFilesHoldExactlyTheirPaddedRows) {
    for (const PictureEntry& entry : kPictures) {
        if (isJpeg(entry.file)) {
            continue;
        }
        const std::vector<unsigned char> bytes = readDataFile(entry.file);
        const std::optional<Image> image = parseBmp(bytes);
        ASSERT_TRUE(image.has_value()) << entry.file;
        const std::size_t rowBytes = (static_cast<std::size_t>(image->width) * 3 + 3) / 4 * 4;
        const std::size_t offset = bytes[10] | bytes[11] << 8;
        EXPECT_EQ(bytes.size(), offset + rowBytes * static_cast<std::size_t>(image->height))
            << entry.file;
    }
}

TEST(PictureFiles, TheBackgroundAndThePagePanelAreFullSizeJpegs) {
    const Sprite background = loadSprite(sprite::kBackground);
    EXPECT_EQ(background.image.width, 640);
    EXPECT_EQ(background.image.height, 480);
    const Sprite panel = loadSprite(sprite::kTextPanel);
    EXPECT_EQ(panel.image.width, 400);
    EXPECT_EQ(panel.image.height, 300);
}

TEST(PictureFiles, BallsAndFacesShareOneSizeOfAboutThirtyPixels) {
    const Sprite first = loadSprite(sprite::kFirstBall);
    EXPECT_GE(first.image.width, 26);
    EXPECT_LE(first.image.width, 34);
    EXPECT_EQ(first.image.width, first.image.height);
    for (int id = 30; id <= 46; ++id) {
        if (id == 39) {
            continue;
        }
        const Sprite s = loadSprite(id);
        EXPECT_EQ(s.image.width, first.image.width) << "picture " << id;
        EXPECT_EQ(s.image.height, first.image.height) << "picture " << id;
    }
}

TEST(PictureFiles, BrokenBallsAreStripsOfSixFramesEachShowingAPiece) {
    for (int colour = 1; colour <= 7; ++colour) {
        const Sprite strip = loadSprite(brokenSprite(colour));
        ASSERT_EQ(strip.image.width, 66) << "colour " << colour;
        ASSERT_EQ(strip.image.height, 12) << "colour " << colour;
        for (int frame = 0; frame < 6; ++frame) {
            int shown = 0;
            for (int y = 0; y < 12; ++y) {
                for (int x = frame * 11; x < frame * 11 + 11; ++x) {
                    shown += strip.visible(x, y) ? 1 : 0;
                }
            }
            EXPECT_GE(shown, 20) << "colour " << colour << " frame " << frame;
        }
    }
}

TEST(PictureFiles, SpritesFitWhereTheGameDrawsThem) {
    const Sprite tab = loadSprite(sprite::kMenuTab);
    EXPECT_EQ(tab.image.width, 144);
    EXPECT_EQ(tab.image.height, 40);
    const Sprite undo = loadSprite(sprite::kUndo);
    EXPECT_LE(undo.image.width, 58);
    EXPECT_LE(undo.image.height, 40);
    const Sprite title = loadSprite(sprite::kTitle);
    EXPECT_LE(190 + title.image.width, 640);
    const Sprite tree = loadSprite(sprite::kTree);
    EXPECT_LE(40 + tree.image.width, 640);
    EXPECT_LE(330 + tree.image.height, 480);
    const Sprite field = loadSprite(sprite::kField);
    const Sprite highlight = loadSprite(sprite::kHighlighted);
    EXPECT_GE(field.image.width, 61); // the square reaches from x 0 to x 60
    EXPECT_GE(field.image.height, 33);
    EXPECT_EQ(highlight.image.width, field.image.width);
    EXPECT_EQ(highlight.image.height, field.image.height);
    const Sprite cursor = loadSprite(sprite::kCursor);
    EXPECT_LE(std::max(cursor.image.width, cursor.image.height), 32);
    const Sprite flake = loadSprite(sprite::kSnowflake);
    EXPECT_LE(std::max(flake.image.width, flake.image.height), 8);
}

TEST(PictureFiles, EveryKeyedPictureHasTransparentAndVisiblePixels) {
    for (const PictureEntry& entry : kPictures) {
        if (isJpeg(entry.file)) {
            continue;
        }
        const Sprite s = loadSprite(entry.id);
        const auto keyed = std::count(s.image.pixels.begin(), s.image.pixels.end(), s.key);
        const auto total = static_cast<long>(s.image.pixels.size());
        EXPECT_GT(keyed, 0) << entry.file << " has no transparent pixel";
        EXPECT_LT(keyed, total) << entry.file << " is all transparent";
    }
}

TEST(PictureFiles, PinkBallAndItsShardsUseTheirOwnKeys) {
    // The pink ball is keyed black and its shards yellow: its corners must be black, and neither
    // may show magenta, which would stay visible in the game.
    const Sprite ball = loadSprite(ballSprite(5));
    EXPECT_EQ(ball.key, (Rgb{0, 0, 0}));
    EXPECT_EQ(ball.image.at(0, 0), (Rgb{0, 0, 0}));
    const Sprite shards = loadSprite(brokenSprite(5));
    EXPECT_EQ(shards.key, (Rgb{255, 255, 0}));
    EXPECT_EQ(shards.image.at(0, 0), (Rgb{255, 255, 0}));
    for (const Sprite* s : {&ball, &shards}) {
        EXPECT_EQ(std::count(s->image.pixels.begin(), s->image.pixels.end(), Rgb{255, 0, 255}), 0);
    }
}

// A visible pixel tinted towards the key colour: what an edge blended with the key looks like.
bool tintedTowardsKey(const Rgb& c, const Rgb& key) {
    if (key == Rgb{255, 0, 255}) {
        return std::min(c.r, c.b) - c.g > 60;
    }
    if (key == Rgb{255, 255, 0}) {
        return std::min(c.r, c.g) - c.b > 60;
    }
    return false;
}

TEST(PictureFiles, EdgesCarryNoHaloOfTheKeyColour) {
    for (const PictureEntry& entry : kPictures) {
        const Sprite s = loadSprite(entry.id);
        if (isJpeg(entry.file) || s.key == Rgb{0, 0, 0}) {
            continue;
        }
        int tinted = 0;
        for (int y = 0; y < s.image.height; ++y) {
            for (int x = 0; x < s.image.width; ++x) {
                tinted += s.visible(x, y) && tintedTowardsKey(s.image.at(x, y), s.key) ? 1 : 0;
            }
        }
        EXPECT_EQ(tinted, 0) << entry.file;
    }
}

TEST(PictureFiles, BallsAreSolidInsideTheirOutline) {
    for (int colour = 1; colour <= 7; ++colour) {
        const Sprite ball = loadSprite(ballSprite(colour));
        const double c = ball.image.width / 2.0, r = ball.image.width * 0.4;
        for (int y = 0; y < ball.image.height; ++y) {
            for (int x = 0; x < ball.image.width; ++x) {
                const double dx = x + 0.5 - c, dy = y + 0.5 - c - 1;
                if (dx * dx + dy * dy < r * r) {
                    ASSERT_TRUE(ball.visible(x, y))
                        << "colour " << colour << " has a hole at " << x << "," << y;
                }
            }
        }
        EXPECT_FALSE(ball.visible(0, ball.image.height - 1)) << "colour " << colour;
        EXPECT_FALSE(ball.visible(ball.image.width - 1, ball.image.height - 1));
    }
}

TEST(PictureFiles, CursorTipIsItsTopLeftPixel) {
    const Sprite cursor = loadSprite(sprite::kCursor);
    EXPECT_TRUE(cursor.visible(0, 0));
    EXPECT_FALSE(cursor.visible(cursor.image.width - 1, 0));
}

TEST(PictureFiles, SnowflakeIsLightAllOver) {
    // Flakes fall over the dark sky and the white board alike: no dark rim.
    const Sprite flake = loadSprite(sprite::kSnowflake);
    int shown = 0;
    for (int y = 0; y < flake.image.height; ++y) {
        for (int x = 0; x < flake.image.width; ++x) {
            if (flake.visible(x, y)) {
                ++shown;
                EXPECT_GT(luminance(flake.image.at(x, y)), 170) << x << "," << y;
            }
        }
    }
    EXPECT_GE(shown, 4);
}

} // namespace
} // namespace game::testdata
