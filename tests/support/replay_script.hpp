#pragma once
// A whole run of the program driven by a script: timed clicks and keys handed to the fake device
// between two passes of the main loop, and an observer called after every pass; and the rows of a
// board found apart from the game's own search; score files written by hand.

#include "media/input.hpp"
#include "rules/board.hpp"
#include "support/fake_device.hpp"
#include "support/game_driver.hpp"
#include "support/media_files.hpp"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <map>
#include <set>
#include <string>

namespace game::test {

class ReplayScript {
public:
    void click(std::uint32_t atMs, ScreenPoint at) {
        inputs_.emplace(atMs, [at] {
            setMousePosition(at.x, at.y);
            fake::pressButton(0);
            fake::releaseButton(0);
        });
    }
    // Pressed at atMs, released 40 ms later.
    void key(std::uint32_t atMs, KeyCode code) {
        holdKey(atMs, code);
        inputs_.emplace(atMs + 40, [code] { fake::releaseKey(code); });
    }
    void holdKey(std::uint32_t atMs, KeyCode code) {
        inputs_.emplace(atMs, [code] { fake::pressKey(code); });
    }

    // From now on, between two passes: the inputs that are due, in the order given, then the
    // observer.
    void attach(std::function<void(std::uint32_t elapsedMs)> observer) {
        start_ = fake::dev.tick;
        last_ = inputs_.empty() ? 0 : inputs_.rbegin()->first;
        observer_ = std::move(observer);
        fake::dev.onSleep = [this] { betweenPasses(); };
    }

private:
    void betweenPasses() {
        const std::uint32_t elapsed = fake::dev.tick - start_;
        while (!inputs_.empty() && inputs_.begin()->first <= elapsed) {
            inputs_.begin()->second();
            inputs_.erase(inputs_.begin());
        }
        if (observer_) {
            observer_(elapsed);
        }
        // A run that goes on a minute past its last input never ends by itself: close it.
        if (elapsed > last_ + 60000 && !fake::dev.closeRequested) {
            ADD_FAILURE() << "the run did not end after its last input";
            fake::dev.closeRequested = true;
        }
    }

    std::multimap<std::uint32_t, std::function<void()>> inputs_; // equal times in order given
    std::uint32_t start_ = 0;
    std::uint32_t last_ = 0;
    std::function<void(std::uint32_t)> observer_;
};

// The colours of the board, element col * 9 + row.
using Colors = std::array<std::int32_t, kCellCount>;

inline Colors boardColors() {
    Colors colors{};
    for (std::size_t i = 0; i < colors.size(); ++i) {
        colors[i] = state.board[i].color;
    }
    return colors;
}

inline std::int32_t& colorAt(Colors& colors, int col, int row) {
    return colors[static_cast<std::size_t>(col * kBoardSize + row)];
}

// The squares (col * 9 + row) of every line of five or more balls of one colour, found as
// maximal runs: a check of the rows written apart from the game's own search.
inline std::set<int> squaresInLines(Colors colors) {
    std::set<int> found;
    const int dirs[4][2] = {{1, 0}, {0, 1}, {1, 1}, {1, -1}};
    auto at = [&](int col, int row) { return onBoard(col, row) ? colorAt(colors, col, row) : -1; };
    for (int row = 0; row < kBoardSize; ++row) {
        for (int col = 0; col < kBoardSize; ++col) {
            const std::int32_t color = at(col, row);
            for (const auto& d : dirs) {
                if (color == 0 || at(col - d[0], row - d[1]) == color) {
                    continue; // empty, or not the start of its run
                }
                int length = 0;
                while (at(col + length * d[0], row + length * d[1]) == color) {
                    ++length;
                }
                for (int k = 0; length >= 5 && k < length; ++k) {
                    found.insert((col + k * d[0]) * kBoardSize + row + k * d[1]);
                }
            }
        }
    }
    return found;
}

// A score file written by hand: "{n}" stands for the four bytes of the number n, low byte first;
// any other character is itself.
inline Bytes scoreFileOf(const std::string& text) {
    Bytes out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '{') {
            out.push_back(static_cast<std::uint8_t>(text[i]));
            continue;
        }
        const std::size_t end = text.find('}', i);
        const auto value = static_cast<std::uint32_t>(std::stol(text.substr(i + 1, end - i - 1)));
        for (int shift = 0; shift < 32; shift += 8) {
            out.push_back(static_cast<std::uint8_t>(value >> shift));
        }
        i = end;
    }
    return out;
}

} // namespace game::test
