#include "view/frame.hpp"

#include "media/display.hpp"

namespace game {

void renderFrame() {
    flipPage();
}

} // namespace game
