#include "shell/name_entry.hpp"

namespace game {

void runNameEntry() {}

} // namespace game
