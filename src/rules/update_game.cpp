#include "rules/update_game.hpp"

namespace game {

void updateGame() {}

} // namespace game
