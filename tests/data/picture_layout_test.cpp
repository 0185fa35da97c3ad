// The pictures put together where the game draws them: the board tiles, the tree and the title
// keep clear of the board and the preview, balls sit where the pointing test looks for them,
// faces stay on their balls, and texts stay readable on tabs and pages.

#include "data/data_files.hpp"

#include "shell/catalogue.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace game::testdata {
namespace {

int squareX(int col, int row) {
    return 40 * col - 20 * row + 200;
}
int squareY(int col, int row) {
    return 10 * col + 20 * row + 150;
}

// A 640 x 480 screen that remembers which drawing last set each pixel.
class Screen {
public:
    static constexpr int kNobody = -1;
    Screen() : colour_(640 * 480), owner_(640 * 480, kNobody) {}

    void draw(const Sprite& s, int x, int y, int who) {
        for (int j = 0; j < s.image.height; ++j) {
            for (int i = 0; i < s.image.width; ++i) {
                if (!s.visible(i, j) || x + i < 0 || y + j < 0 || x + i >= 640 || y + j >= 480) {
                    continue;
                }
                colour_[index(x + i, y + j)] = s.image.at(i, j);
                owner_[index(x + i, y + j)] = who;
            }
        }
    }
    int owner(int x, int y) const { return owner_[index(x, y)]; }
    const Rgb& colour(int x, int y) const { return colour_[index(x, y)]; }

private:
    static std::size_t index(int x, int y) { return static_cast<std::size_t>(y * 640 + x); }
    std::vector<Rgb> colour_;
    std::vector<int> owner_;
};

// Where a pixel centre lies relative to square (col, row): strictly inside, on its outline, or out.
enum class Place { Inside, Edge, Outside };

Place placeIn(double px, double py, int col, int row) {
    const double x = px - squareX(col, row), y = py - squareY(col, row);
    // Corners (20, 0), (60, 10), (40, 30), (0, 20): two pairs of parallel sides.
    const double a = 4 * y - x; // -20 on the top side, 80 on the bottom side
    const double b = x + y;     // 20 on the left side, 70 on the right side
    if (a > -20 && a < 80 && b > 20 && b < 70) {
        return Place::Inside;
    }
    return (a >= -20 && a <= 80 && b >= 20 && b <= 70) ? Place::Edge : Place::Outside;
}

Screen drawBoard(const Sprite& field) {
    Screen screen;
    for (int row = 0; row < 9; ++row) {
        for (int col = 0; col < 9; ++col) {
            screen.draw(field, squareX(col, row), squareY(col, row) - 2, row * 9 + col);
        }
    }
    return screen;
}

TEST(BoardPictures, SquaresTileTheBoardWithoutGapsAndEachShowsItsOwnSurface) {
    const Sprite field = loadSprite(sprite::kField);
    const Screen screen = drawBoard(field);
    int checked = 0;
    for (int y = 140; y < 430; ++y) {
        for (int x = 30; x < 590; ++x) {
            int insideOf = -1, edges = 0;
            for (int row = 0; row < 9; ++row) {
                for (int col = 0; col < 9; ++col) {
                    const Place p = placeIn(x + 0.5, y + 0.5, col, row);
                    insideOf = p == Place::Inside ? row * 9 + col : insideOf;
                    edges += p == Place::Edge ? 1 : 0;
                }
            }
            if (insideOf < 0) {
                // On the line between two squares: one of them must cover it.
                ASSERT_TRUE(edges < 2 || screen.owner(x, y) != Screen::kNobody)
                    << "gap between squares at " << x << "," << y;
                continue;
            }
            // Strictly inside one square: that square's own picture must show there, not a
            // neighbour's edge and not the sky.
            ASSERT_EQ(screen.owner(x, y), insideOf) << "at " << x << "," << y;
            const int col = insideOf % 9, row = insideOf / 9;
            ASSERT_EQ(screen.colour(x, y),
                      field.image.at(x - squareX(col, row), y - squareY(col, row) + 2));
            ++checked;
        }
    }
    // A square covers 1000 pixels, about 20 of them with their centres on its outline.
    EXPECT_GT(checked, 81 * 950);
}

TEST(BoardPictures, HighlightStandsOutOnTheSquare) {
    const Sprite field = loadSprite(sprite::kField);
    const Sprite highlight = loadSprite(sprite::kHighlighted);
    // Drawn 0 to 6 pixels above the square; count the pixels that clearly differ from the snow.
    for (int lift : {0, 3, 6}) {
        int standing = 0;
        for (int y = 0; y < highlight.image.height; ++y) {
            for (int x = 0; x < highlight.image.width; ++x) {
                const int under = y - lift;
                if (!highlight.visible(x, y) || !field.visible(x, under)) {
                    continue;
                }
                const Rgb& a = highlight.image.at(x, y);
                const Rgb& b = field.image.at(x, under);
                standing += std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b) > 150;
            }
        }
        EXPECT_GE(standing, 150) << "lift " << lift;
    }
}

TEST(BoardPictures, TreeHidesNoSquare) {
    const Screen board = drawBoard(loadSprite(sprite::kField));
    const Sprite tree = loadSprite(sprite::kTree);
    for (int y = 0; y < tree.image.height; ++y) {
        for (int x = 0; x < tree.image.width; ++x) {
            if (tree.visible(x, y)) {
                ASSERT_EQ(board.owner(40 + x, 330 + y), Screen::kNobody)
                    << "tree over a square at " << 40 + x << "," << 330 + y;
            }
        }
    }
}

TEST(BoardPictures, TitleLeavesPreviewScorePanelAndHoppingBallsFree) {
    Screen screen;
    const Sprite ball = loadSprite(ballSprite(1));
    constexpr int kPreview = 1, kHopping = 2, kPanel = 3;
    for (int k = 0; k <= 4; ++k) {
        screen.draw(ball, 605 - 35 * k, 60, kPreview);
    }
    for (int col = 0; col < 9; ++col) {
        // A ball of the top row at the height of its hop, 18 pixels up.
        screen.draw(ball, squareX(col, 0) + 15, squareY(col, 0) - 30, kHopping);
    }
    screen.draw(loadSprite(sprite::kMenuTab), 450, 100, kPanel);
    const Sprite title = loadSprite(sprite::kTitle);
    for (int y = 0; y < title.image.height; ++y) {
        for (int x = 0; x < title.image.width; ++x) {
            if (title.visible(x, y)) {
                ASSERT_EQ(screen.owner(190 + x, y), Screen::kNobody)
                    << "title covers something at " << 190 + x << "," << y;
            }
        }
    }
}

TEST(BallPictures, BallCentreSitsWhereThePointingTestLooks) {
    // Resting balls are drawn at (square x + 15, square y - 12); the pointing test looks around
    // (square x + 30, square y + 5).
    for (int colour = 1; colour <= 7; ++colour) {
        const Sprite ball = loadSprite(ballSprite(colour));
        double sumX = 0, sumY = 0;
        int n = 0;
        for (int y = 0; y < ball.image.height; ++y) {
            for (int x = 0; x < ball.image.width; ++x) {
                if (ball.visible(x, y)) {
                    sumX += x + 0.5;
                    sumY += y + 0.5;
                    ++n;
                }
            }
        }
        ASSERT_GT(n, 0);
        const double centreX = 15 + sumX / n, centreY = -12 + sumY / n;
        EXPECT_NEAR(centreX, 30, 1.0) << "colour " << colour;
        EXPECT_NEAR(centreY, 3.5, 1.5) << "colour " << colour;
    }
}

TEST(BallPictures, FacesStayOnEveryBall) {
    for (int face = 30; face <= 38; ++face) {
        const Sprite f = loadSprite(face);
        int features = 0;
        for (int colour = 1; colour <= 7; ++colour) {
            const Sprite ball = loadSprite(ballSprite(colour));
            for (int y = 0; y < f.image.height; ++y) {
                for (int x = 0; x < f.image.width; ++x) {
                    if (f.visible(x, y)) {
                        ASSERT_TRUE(ball.visible(x, y)) << "face " << face << " sticks out of ball "
                                                        << colour << " at " << x << "," << y;
                        features += colour == 1 ? 1 : 0;
                    }
                }
            }
        }
        // Eyes and mouth take a fair part of the ball, but most of the ball shows through.
        EXPECT_GE(features, 40) << "face " << face;
        EXPECT_LE(features, 400) << "face " << face;
    }
}

TEST(BallPictures, EveryFaceIsDifferent) {
    for (int a = 30; a <= 38; ++a) {
        for (int b = a + 1; b <= 38; ++b) {
            const Sprite fa = loadSprite(a), fb = loadSprite(b);
            int differing = 0;
            for (std::size_t i = 0; i < fa.image.pixels.size(); ++i) {
                differing += fa.image.pixels[i] == fb.image.pixels[i] ? 0 : 1;
            }
            EXPECT_GE(differing, 12) << "faces " << a << " and " << b;
        }
    }
}

TEST(BallPictures, ColoursDifferInPatternNotOnlyInHue) {
    // Seen in grey, as by a player who cannot tell the hues apart, each ball must still differ
    // from every other in its light-and-dark pattern. Each ball's grey picture is evened out
    // (mean 0, spread 1) so that mere brightness does not count.
    std::vector<std::vector<double>> greys;
    const Sprite first = loadSprite(ballSprite(1));
    for (int colour = 1; colour <= 7; ++colour) {
        const Sprite ball = loadSprite(ballSprite(colour));
        std::vector<double> g;
        for (int y = 0; y < first.image.height; ++y) {
            for (int x = 0; x < first.image.width; ++x) {
                const double dx = x + 0.5 - 15, dy = y + 0.5 - 16;
                if (dx * dx + dy * dy < 12 * 12) {
                    g.push_back(luminance(ball.image.at(x, y)));
                }
            }
        }
        double mean = 0, spread = 0;
        for (double v : g) {
            mean += v;
        }
        mean /= static_cast<double>(g.size());
        for (double v : g) {
            spread += (v - mean) * (v - mean);
        }
        spread = std::sqrt(spread / static_cast<double>(g.size()));
        for (double& v : g) {
            v = (v - mean) / spread;
        }
        greys.push_back(g);
    }
    for (std::size_t a = 0; a < greys.size(); ++a) {
        for (std::size_t b = a + 1; b < greys.size(); ++b) {
            double diff = 0;
            for (std::size_t i = 0; i < greys[a].size(); ++i) {
                diff += std::fabs(greys[a][i] - greys[b][i]);
            }
            diff /= static_cast<double>(greys[a].size());
            EXPECT_GT(diff, 0.5) << "colours " << a + 1 << " and " << b + 1
                                 << " look alike in grey";
        }
    }
}

Rgb meanOver(const Image& image, int x0, int y0, int x1, int y1) {
    long r = 0, g = 0, b = 0, n = 0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            r += image.at(x, y).r;
            g += image.at(x, y).g;
            b += image.at(x, y).b;
            ++n;
        }
    }
    return {static_cast<int>(r / n), static_cast<int>(g / n), static_cast<int>(b / n)};
}

TEST(TextBackgrounds, WhiteCaptionsAreReadableOnTheTab) {
    const Sprite tab = loadSprite(sprite::kMenuTab);
    // Captions are written from x = 14 on, 11 pixels down; the score from (10, 18).
    for (int y = 8; y < 32; ++y) {
        for (int x = 10; x < 130; ++x) {
            ASSERT_TRUE(tab.visible(x, y)) << "hole under the captions at " << x << "," << y;
        }
    }
    EXPECT_GE(contrastRatio(meanOver(tab.image, 10, 8, 130, 32), {255, 255, 255}), 4.5);
}

TEST(TextBackgrounds, RestingTabShowsItsEdge) {
    const Sprite tab = loadSprite(sprite::kMenuTab);
    int shown = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 134; x < 144; ++x) {
            shown += tab.visible(x, y) ? 1 : 0;
        }
    }
    EXPECT_GE(shown, 300); // of the 400 pixels of the strip that peeks out
}

TEST(TextBackgrounds, GoldTextsAreReadableOnThePagePanel) {
    const Sprite panel = loadSprite(sprite::kTextPanel);
    const Rgb inside = meanOver(panel.image, 20, 15, 380, 285);
    EXPECT_GE(contrastRatio(inside, {181, 175, 55}), 4.5);  // titles and headings
    EXPECT_GE(contrastRatio(inside, {213, 209, 135}), 4.5); // help and credit lines
}

} // namespace
} // namespace game::testdata
