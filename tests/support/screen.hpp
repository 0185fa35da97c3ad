#pragma once
// The display as most media tests want it: a fresh fake machine and an open 640 x 480 screen.

#include "media/display.hpp"
#include "media/image_decoders.hpp"
#include "media/jpeg_reader.hpp"
#include "media/sprites.hpp"
#include "support/fake_device.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace game::test {

inline void closeTestScreen() {
    closeDisplay();
    display = DisplayState{};
}

inline void openTestScreen() {
    closeTestScreen();
    fake::reset(0);
    initDisplay();
    openScreen(640, 480, 32, "Zuravozidizuvav");
}

// Tests of picture loading: an open screen and the decoder list with JPEG installed.
class PictureLoading : public ::testing::Test {
protected:
    void SetUp() override {
        openTestScreen();
        resetImageDecoders();
        installJpegDecoder();
    }
    void TearDown() override { closeTestScreen(); }

    static std::int32_t load(std::int32_t number, const std::vector<std::uint8_t>& file) {
        return spriteFromMemory(number, file.data(), file.size(), 0, "");
    }
};

} // namespace game::test
