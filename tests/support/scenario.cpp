#include "support/scenario.hpp"

#include "media/input.hpp"
#include "media/random.hpp"
#include "record/catalogue.hpp"
#include "record/game_state.hpp"
#include "rules/new_balls.hpp"
#include "rules/rows.hpp"
#include "shell/main_loop.hpp"
#include "support/board_picture.hpp"
#include "support/fake_device.hpp"
#include "support/game_driver.hpp"

#include <algorithm>
#include <functional>
#include <map>
#include <sstream>
#include <vector>

namespace game::test {
namespace {

// Actions:
//   click c,r [b] | send c,r c,r            a click on a square (b 1: the right button), a move
//   at x,y | point x,y                      left click at a point, or only point there
//   press b | release b                     a mouse button (0 left, 1 right) pressed, let go
//   pointsq c,r dx,dy                       point beside the middle of a square's top face
//   tab i [b] | undo                        click on a rested menu tab, or on the Undo button
//   key K [n] | hold K ms | ctrl K [ms]     a key tapped n times; held for ms (with Left Ctrl)
//   down K | up K | type W                  a key held, let go; letters typed ('_' a space)
//   pass [n] | run ms | frame [n] | settle  main-loop passes; settle: until no ball walks or
//                                           waits to burst
//   let field=value ... | put c,r x | next a,b,...   the state as a test sets it
//   drop | rows | zero                      dropNewBalls, findRows; a generator that draws only 0
//   quiet                                   forget the sounds so far
// Checks: a field of the table below, sel=c,r|none, hover=c,r|none, c,r=x (the ball on a
// square, '.' none), #x=n (balls of colour x), sounds=a,b (every sound since the last quiet),
// explode=n (how often one sound played), clicks=l,r (the left and right clicks the passes
// delivered), board=start, name=W (the typed name, '_' for a space), row=i,NAME,score (a
// high-score row), tabN=x (where tab N stands), ended=1 (the loop has ended).

const std::map<std::string, std::int32_t GameState::*> kFields = {
    {"score", &GameState::score},           {"moves", &GameState::undoableMoves},
    {"walking", &GameState::ballMoving},    {"running", &GameState::gameRunning},
    {"page", &GameState::overlayPage},      {"difficulty", &GameState::difficulty},
    {"entry", &GameState::nameEntryActive}, {"overlayx", &GameState::overlayX},
    {"rowsfound", &GameState::rowsFound},   {"quit", &GameState::quitRequested},
    {"selcol", &GameState::selectedCol},    {"selrow", &GameState::selectedRow},
    {"noisy", &GameState::noisyFacesOn},
};

const std::map<std::string, std::int32_t> kSoundNames = {
    {"explode", sound::kExplode}, {"noway", sound::kNoWay},      {"menu", sound::kMenuSelect},
    {"open", sound::kMenuOpen},   {"pick", sound::kFieldSelect},
};

const std::map<std::string, KeyCode> kKeyNames = {
    {"back", key::kBackspace},
    {"enter", key::kEnter},
    {"kpenter", key::kKeypadEnter},
    {"ctrl", key::kLeftCtrl},
    {"rctrl", 0x9D},
    {"_", key::kSpace},
    {"f1", key::kF1},
    {"up", key::kUp},
    {"down", key::kDown},
    {"left", key::kLeft},
    {"right", key::kRight},
    {"kpup", key::kKeypadUp},
    {"kpdown", key::kKeypadDown},
    {"kpleft", key::kKeypadLeft},
    {"kpright", key::kKeypadRight},
};

constexpr KeyCode kLetters[26] = {key::kA, key::kB, key::kC, key::kD, key::kE, key::kF, key::kG,
                                  key::kH, key::kI, key::kJ, key::kK, key::kL, key::kM, key::kN,
                                  key::kO, key::kP, key::kQ, key::kR, key::kS, key::kT, key::kU,
                                  key::kV, key::kW, key::kX, key::kY, key::kZ};

using Words = std::vector<std::string>;

Words split(const std::string& text, char by) {
    Words parts;
    std::stringstream in(text);
    for (std::string part; std::getline(in, part, by);) {
        part.erase(0, part.find_first_not_of(' '));
        part.erase(part.find_last_not_of(' ') + 1);
        if (!part.empty() || by == ',') {
            parts.push_back(part);
        }
    }
    return parts;
}

ScreenPoint pointOf(const std::string& text) {
    const Words n = split(text, ',');
    return {std::stoi(n.at(0)), std::stoi(n.at(1))};
}

// The number in word i, or none when there is no such word.
int number(const Words& w, std::size_t i, int none) {
    return w.size() > i ? std::stoi(w[i]) : none;
}

ScreenPoint squareIn(const Words& w, std::size_t i) {
    return squarePoint(pointOf(w.at(i)).x, pointOf(w.at(i)).y);
}

KeyCode keyOf(const std::string& name) {
    return name.size() == 1 && name != "_" ? kLetters[name[0] - 'A'] : kKeyNames.at(name);
}

void times(int n, const std::function<void()>& fn) {
    for (int i = 0; i < n; ++i) {
        fn();
    }
}

std::string squareText(std::int32_t col, std::int32_t row) {
    return col == -1 ? "none" : std::to_string(col) + "," + std::to_string(row);
}

template <typename Test> std::string countCells(Test test) {
    return std::to_string(std::count_if(state.board.begin(), state.board.end(), test));
}

// What a running scenario remembers.
std::array<std::string, kBoardSize> startBoard;
std::size_t soundsFrom = 0;
bool ended = false; // the loop has ended: passes do nothing more
std::array<std::int32_t, 2> clicks{};

void pass() {
    ended = ended || !mainLoopPass();
    clicks[0] += state.leftClick;
    clicks[1] += state.rightClick;
}

// Passes until done() holds; a game that never gets there fails the test instead of hanging it.
template <typename Done> void passUntil(Done done, const char* what) {
    for (int i = 0; !done(); ++i) {
        if (i == kPassLimit || ended) {
            ADD_FAILURE() << "the game never got " << what;
            return;
        }
        pass();
    }
}

// Passes until the clock has moved on by at least ms.
void runFor(std::uint32_t ms) {
    const std::uint32_t until = fake::dev.tick + ms;
    passUntil([until] { return static_cast<std::int32_t>(fake::dev.tick - until) >= 0; },
              "that far in time");
}

void pointAt(ScreenPoint at) {
    setMousePosition(at.x, at.y);
}

// A press and release of the left (0) or right (1) button at a point, delivered in one pass,
// once the click lock-out of the previous click is over.
void clickAt(ScreenPoint at, std::int32_t button = 0) {
    passUntil([] { return deadlinePassed(state.clickLockUntil, fake::dev.tick); },
              "out of the click lock-out");
    pointAt(at);
    fake::pressButton(button);
    fake::releaseButton(button);
    pass();
}

// Presses a key for one pass (and holdMs longer) and releases it in the next pass.
void tapKey(int code, std::uint32_t holdMs) {
    fake::pressKey(code);
    pass();
    runFor(holdMs);
    fake::releaseKey(code);
    pass();
}

void withCtrl(const Words& w) {
    fake::pressKey(key::kLeftCtrl);
    tapKey(keyOf(w.at(1)), static_cast<std::uint32_t>(number(w, 2, 0)));
    fake::releaseKey(key::kLeftCtrl);
}

void let(const Words& w) {
    for (std::size_t i = 1; i < w.size(); ++i) {
        const std::size_t eq = w[i].find('=');
        state.*kFields.at(w[i].substr(0, eq)) = std::stoi(w[i].substr(eq + 1));
    }
}

void setNext(const Words& w) {
    const Words colors = split(w.at(1), ',');
    for (std::size_t i = 0; i < colors.size(); ++i) {
        state.nextColors.at(i) = std::stoi(colors[i]);
    }
}

constexpr ScreenPoint kUndoButton{600, 460};

ScreenPoint tabPoint(const Words& w) {
    return {5, state.menu.at(static_cast<std::size_t>(number(w, 1, 0))).y + 20};
}

const std::map<std::string, std::function<void(const Words&)>> kActions = {
    {"click", [](const Words& w) { clickAt(squareIn(w, 1), number(w, 2, 0)); }},
    {"send",
     [](const Words& w) {
         clickAt(squareIn(w, 1));
         clickAt(squareIn(w, 2));
     }},
    {"at", [](const Words& w) { clickAt(pointOf(w.at(1))); }},
    {"point", [](const Words& w) { pointAt(pointOf(w.at(1))); }},
    {"press", [](const Words& w) { fake::pressButton(number(w, 1, 0)); }},
    {"release", [](const Words& w) { fake::releaseButton(number(w, 1, 0)); }},
    {"pointsq",
     [](const Words& w) {
         pointAt({squareIn(w, 1).x + pointOf(w.at(2)).x, squareIn(w, 1).y + pointOf(w[2]).y});
     }},
    {"tab", [](const Words& w) { clickAt(tabPoint(w), number(w, 2, 0)); }},
    {"undo", [](const Words&) { clickAt(kUndoButton); }},
    {"key", [](const Words& w) { times(number(w, 2, 1), [&] { tapKey(keyOf(w.at(1)), 0); }); }},
    {"hold",
     [](const Words& w) { tapKey(keyOf(w.at(1)), static_cast<std::uint32_t>(number(w, 2, 0))); }},
    {"ctrl", withCtrl},
    {"down", [](const Words& w) { fake::pressKey(keyOf(w.at(1))); }},
    {"up", [](const Words& w) { fake::releaseKey(keyOf(w.at(1))); }},
    {"type",
     [](const Words& w) {
         for (const char c : w.at(1)) {
             tapKey(keyOf(std::string(1, c)), 0);
         }
     }},
    {"pass", [](const Words& w) { times(number(w, 1, 1), [] { pass(); }); }},
    {"run", [](const Words& w) { runFor(static_cast<std::uint32_t>(number(w, 1, 0))); }},
    {"frame",
     [](const Words& w) {
         times(number(w, 1, 1), [] {
             pass();
             passUntil([] { return state.frameTick == 1; }, "to a frame");
         });
     }},
    {"settle",
     [](const Words&) {
         passUntil(
             [] {
                 return state.ballMoving == 0 &&
                        std::none_of(state.board.begin(), state.board.end(),
                                     [](const Cell& c) { return c.bursting == 1; });
             },
             "to rest");
     }},
    {"let", let},
    {"put",
     [](const Words& w) {
         cellAt(pointOf(w.at(1)).x, pointOf(w[1]).y).color = colorOfChar(w.at(2)[0]);
     }},
    {"next", setNext},
    {"drop", [](const Words&) { dropNewBalls(); }},
    {"rows", [](const Words&) { findRows(); }},
    {"zero", [](const Words&) { clearRandom(); }},
    {"quiet", [](const Words&) { soundsFrom = fake::dev.played.size(); }},
};

// The sounds played since the last quiet, as "a,b,c".
std::string soundsSince() {
    std::string heard;
    for (std::size_t i = soundsFrom; i < fake::dev.played.size(); ++i) {
        const auto it = std::find_if(kSoundNames.begin(), kSoundNames.end(), [&](auto& s) {
            return s.second == fake::dev.played[i].channel;
        });
        heard += (heard.empty() ? "" : ",") + (it != kSoundNames.end() ? it->first : "?");
    }
    return heard;
}

// The value of a checked field as the check writes it; want picks the row of a row check.
std::string value(const std::string& field, const std::string& want) {
    if (kFields.count(field) != 0) {
        return std::to_string(state.*kFields.at(field));
    }
    if (kSoundNames.count(field) != 0) {
        const Words sounds = split(soundsSince(), ',');
        return std::to_string(std::count(sounds.begin(), sounds.end(), field));
    }
    if (field == "row") {
        const std::string row = split(want, ',').at(0);
        const HighScoreEntry& entry = state.highScores.at(std::stoul(row));
        return row + "," + entry.name + "," + std::to_string(entry.score);
    }
    if (field.starts_with("tab")) {
        return std::to_string(state.menu.at(std::stoul(field.substr(3))).x);
    }
    if (field.starts_with("#")) {
        const std::int32_t color = colorOfChar(field.at(1));
        return countCells([color](const Cell& c) { return c.color == color; });
    }
    if (field.find(',') != std::string::npos) {
        const ScreenPoint sq = pointOf(field);
        return std::string(1, boardPicture()[static_cast<std::size_t>(sq.y)][sq.x]);
    }
    const std::map<std::string, std::string> others = {
        {"balls", countCells([](const Cell& c) { return c.color != 0; })},
        {"sel", squareText(state.selectedCol, state.selectedRow)},
        {"hover", squareText(state.hoverCol, state.hoverRow)},
        {"sounds", soundsSince()},
        {"clicks", std::to_string(clicks[0]) + "," + std::to_string(clicks[1])},
        {"board", boardPicture() == startBoard ? "start" : "changed"},
        {"name", state.typedName},
        {"ended", ended ? "1" : "0"},
    };
    const auto it = others.find(field);
    return it != others.end() ? it->second : "unknown check " + field;
}

} // namespace

void runScenario(const Scenario& scenario) {
    SCOPED_TRACE(scenario.name);
    prepareGame();
    if (scenario.board[0] != nullptr) {
        state.gameRunning = 1;
        setBoard(scenario.board);
        state.nextColors = {2, 3, 4, 5, 6};
    }
    startBoard = boardPicture();
    soundsFrom = 0;
    ended = false;
    clicks = {};
    for (const std::string& command : split(scenario.script, ';')) {
        const Words words = split(command, ' ');
        if (words.front().find('=') == std::string::npos) {
            const auto action = kActions.find(words.front());
            ASSERT_NE(action, kActions.end()) << "unknown action in \"" << command << "\"";
            action->second(words);
            continue;
        }
        for (const std::string& check : words) {
            const std::size_t eq = check.find('=');
            std::string want = check.substr(eq + 1); // '_' for a space
            std::replace(want.begin(), want.end(), '_', ' ');
            EXPECT_EQ(value(check.substr(0, eq), want), want)
                << "at \"" << command << "\": " << check.substr(0, eq);
        }
    }
}

std::string scenarioName(const ::testing::TestParamInfo<Scenario>& info) {
    std::string name = info.param.name;
    std::replace_if(
        name.begin(), name.end(), [](unsigned char c) { return std::isalnum(c) == 0; }, '_');
    return name;
}

} // namespace game::test
