// Every test draws its texts with the font the game ships in its data folder.

#include "support/game_font.hpp"

#include <gtest/gtest.h>

namespace game::test {
namespace {

class GameFont : public ::testing::Environment {
public:
    void SetUp() override { ASSERT_TRUE(openFont(builtFontFile().string())); }
};

[[maybe_unused]] const ::testing::Environment* const kGameFont =
    ::testing::AddGlobalTestEnvironment(new GameFont);

} // namespace
} // namespace game::test
