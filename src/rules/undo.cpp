#include "rules/undo.hpp"

namespace game {

void undoMove() {}

} // namespace game
