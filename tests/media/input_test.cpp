#include "media/input.hpp"

#include "support/fake_device.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace game {
namespace {

using Seen = std::vector<int>;

// The steps of a script, each a name and up to two numbers ("D30", "S700,240"); the small
// letters and the signs record an answer.
const std::map<std::string, std::function<void(int a, int b, Seen&)>> kSteps = {
    {"D", [](int a, int, Seen&) { fake::pressKey(a); }},   // key a goes down
    {"U", [](int a, int, Seen&) { fake::releaseKey(a); }}, // key a goes up
    {"K", [](int, int, Seen&) { readKeyboard(); }},
    {"k", [](int, int, Seen& s) { s.push_back(readKeyboard()); }},
    {"=", [](int a, int, Seen& s) { s.push_back(keyDown(a)); }},
    {"?", [](int a, int, Seen& s) { s.push_back(keyReleased(a)); }},
    {"P", [](int a, int, Seen&) { fake::pressButton(a); }},   // button a goes down
    {"R", [](int a, int, Seen&) { fake::releaseButton(a); }}, // button a goes up
    {"M", [](int, int, Seen&) { readMouse(); }},
    {"m", [](int, int, Seen& s) { s.push_back(readMouse()); }},
    {"B", [](int a, int, Seen& s) { s.push_back(mouseButtonDown(a)); }},
    {"X", [](int, int, Seen& s) { s.push_back(mousePosX()); }},
    {"Y", [](int, int, Seen& s) { s.push_back(mousePosY()); }},
    {"S", [](int a, int b, Seen&) { setMousePosition(a, b); }},
    {"V", [](int a, int b, Seen&) { fake::moveMouse(a, b); }},  // the mouse moves by (a, b)
    {"off", [](int, int, Seen&) { fake::dev.active = false; }}, // into the background
    {"on", [](int, int, Seen&) { fake::dev.active = true; }},
};

// Plays a script of steps such as "D30 K ?30" on a fresh fake machine; returns what it recorded.
Seen play(const std::string& script) {
    fake::reset(0);
    initKeyboard();
    initMouse();
    Seen seen;
    std::istringstream steps(script);
    for (std::string step; steps >> step;) {
        const std::string name = kSteps.count(step) != 0 ? step : step.substr(0, 1);
        int a = 0, b = 0;
        std::sscanf(step.c_str() + name.size(), "%d,%d", &a, &b);
        kSteps.at(name)(a, b, seen); // an unknown step throws, failing the test
    }
    return seen;
}

TEST(Input, KeysAndButtonsAnswerAsTheOldInputDid) {
    const struct {
        const char* what;
        const char* script;
        std::vector<int> want;
    } rows[] = {
        {"a held key is 128, another 0, any 1, no key 0",
         "D29 K =29 =33 =-1 =300 =-7",
         {128, 0, 1, 0, 0}},
        {"any key looks at codes up to 254 only", "D255 K =255 =-1", {128, 0}},
        {"a release asked about while down shows once",
         "D30 K ?30 K ?30 U30 K ?30 K ?30",
         {0, 0, 1, 0}},
        {"a release not asked about while down is silent", "D48 K U48 K ?48", {0}},
        {"any key's release", "D57 K ?-1 U57 K ?-1 ?-1", {0, 1, 0}},
        {"in the background the last key snapshot stays",
         "D1 k off U1 k =1 on k =1",
         {1, 0, 128, 1, 0}},
        {"the last button event wins", "P1 P0 M B2 B1 R1 M B2 B1", {1, 1, 0, 1}},
        {"a press and release between reads is down for one read", "P0 R0 M B1 M B1", {1, 0}},
        {"a quick click and a new press stay down", "P0 R0 M P0 M B1", {1}},
        {"the middle button is button three", "P2 M B3 B4 B0", {1, 0, 0}},
        {"in the background buttons keep their state",
         "P0 M off R0 m B1 on M B1 R0 M B1",
         {0, 1, 1, 0}},
        {"the pointer stays on the screen",
         "S320,240 V-5000,-5000 M X Y V5000,5000 M X Y V-2147483647,2147483647 M X Y",
         {0, 0, 639, 479, 0, 479}},
        {"a set position is clamped at the next read", "S700,240 X M X Y", {700, 639, 240}},
        {"in the background the pointer stays", "S100,100 off V50,50 M X on", {100}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(play(row.script), row.want) << row.what;
    }
}

} // namespace
} // namespace game
