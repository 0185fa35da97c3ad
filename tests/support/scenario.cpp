#include "support/scenario.hpp"

#include "media/input.hpp"
#include "media/random.hpp"
#include "record/catalogue.hpp"
#include "record/game_state.hpp"
#include "rules/menu.hpp"
#include "rules/new_balls.hpp"
#include "rules/rows.hpp"
#include "support/board_picture.hpp"
#include "support/fake_device.hpp"
#include "support/game_driver.hpp"

#include <algorithm>
#include <map>
#include <sstream>
#include <vector>

namespace game::test {
namespace {

// Actions:
//   click c,r | rclick c,r | send c,r c,r   left or right click on squares, a whole move
//   at x,y | point x,y                      left click at a point, or only point there
//   pointsq c,r dx,dy                       point beside the middle of a square's top face
//   tab i | rtab i | undo                   click on a rested menu tab, or on the Undo button
//   key K [n] | hold K ms | ctrl K [ms]     a key tapped n times; held for ms (with Left Ctrl)
//   down K | up K | type W                  a key held, let go; letters typed ('_' a space)
//   pass [n] | run ms | frame [n] | settle  main-loop passes; settle: until no ball walks or
//                                           waits to burst
//   let field=value ... | put c,r x | next a,b,...   the state as a test sets it
//   drop | rows | zero                      dropNewBalls, findRows; a generator that draws only 0
//   quiet | save                            forget the sounds so far; remember the board
// Checks: a field of the table below, sel=c,r|none, hover=c,r|none, c,r=x (the ball on a
// square, '.' none), #x=n (balls of colour x), sounds=a,b (every sound since the last quiet),
// explode=n (how often one sound played), board=start|saved, name=W (the typed name, '_' for
// a space), row=i,NAME,score (a high-score row), tabN=x (where tab N stands), hop=1 (the
// selected ball is in the air), airborne=n (balls high above their squares, as dropped),
// ended=1 (the loop has ended).

const std::map<std::string, std::int32_t GameState::*> kFields = {
    {"score", &GameState::score},           {"moves", &GameState::undoableMoves},
    {"walking", &GameState::ballMoving},    {"running", &GameState::gameRunning},
    {"page", &GameState::overlayPage},      {"difficulty", &GameState::difficulty},
    {"entry", &GameState::nameEntryActive}, {"soundon", &GameState::soundOn},
    {"snowon", &GameState::snowOn},         {"showfps", &GameState::showFps},
    {"noisy", &GameState::noisyFacesOn},    {"overlayx", &GameState::overlayX},
    {"rowsfound", &GameState::rowsFound},   {"quit", &GameState::quitRequested},
    {"selcol", &GameState::selectedCol},    {"selrow", &GameState::selectedRow},
};

const std::map<std::string, std::int32_t> kSoundNames = {
    {"explode", sound::kExplode},     {"noway", sound::kNoWay},      {"menu", sound::kMenuSelect},
    {"open", sound::kMenuOpen},       {"pick", sound::kFieldSelect}, {"burp", sound::kBurp},
    {"raspberry", sound::kRaspberry},
};

const std::map<std::string, KeyCode> kKeyNames = {
    {"esc", key::kEscape},
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

std::vector<std::string> split(const std::string& text, char by) {
    std::vector<std::string> parts;
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
    const std::vector<std::string> n = split(text, ',');
    return {std::stoi(n.at(0)), std::stoi(n.at(1))};
}

KeyCode keyOf(const std::string& name) {
    return name.size() == 1 && name != "_" ? kLetters[name[0] - 'A'] : kKeyNames.at(name);
}

void hold(KeyCode code, int ms) {
    fake::pressKey(code);
    pass();
    runFor(static_cast<std::uint32_t>(ms));
    fake::releaseKey(code);
    pass();
}

std::string squareText(std::int32_t col, std::int32_t row) {
    return col == -1 ? "none" : std::to_string(col) + "," + std::to_string(row);
}

std::string underscored(std::string text) {
    std::replace(text.begin(), text.end(), ' ', '_');
    return text;
}

template <typename Test> std::string countCells(Test test) {
    return std::to_string(std::count_if(state.board.begin(), state.board.end(), test));
}

class Runner {
public:
    explicit Runner(const Scenario& scenario) {
        if (scenario.board[0] != nullptr) {
            prepareBoard(scenario.board, {2, 3, 4, 5, 6});
        } else {
            prepareGame();
        }
        start_ = boardPicture();
    }

    void run(const std::string& script) {
        for (const std::string& command : split(script, ';')) {
            const std::vector<std::string> words = split(command, ' ');
            if (words.front().find('=') == std::string::npos) {
                act(words);
                continue;
            }
            for (const std::string& check : words) {
                const std::size_t eq = check.find('=');
                EXPECT_EQ(value(check.substr(0, eq), check.substr(eq + 1)), check.substr(eq + 1))
                    << "at \"" << command << "\": " << check.substr(0, eq);
            }
        }
    }

private:
    void act(const std::vector<std::string>& w) {
        const std::string& verb = w[0];
        const std::string arg = w.size() > 1 ? w[1] : "";
        // The number in word i, or none when there is no such word.
        const auto number = [&w](std::size_t i, int none) {
            return w.size() > i ? std::stoi(w[i]) : none;
        };
        if (verb == "click" || verb == "rclick") {
            clickAt(squarePoint(pointOf(arg).x, pointOf(arg).y), verb == "click" ? 0 : 1);
        } else if (verb == "send") {
            sendBall(pointOf(arg).x, pointOf(arg).y, pointOf(w.at(2)).x, pointOf(w.at(2)).y);
        } else if (verb == "at") {
            clickAt(pointOf(arg));
        } else if (verb == "point") {
            pointAt(pointOf(arg));
        } else if (verb == "pointsq") {
            const ScreenPoint middle = squarePoint(pointOf(arg).x, pointOf(arg).y);
            pointAt({middle.x + pointOf(w.at(2)).x, middle.y + pointOf(w.at(2)).y});
        } else if (verb == "tab" || verb == "rtab") {
            clickAt({5, state.menu.at(static_cast<std::size_t>(number(1, 1))).y + 20},
                    verb == "tab" ? 0 : 1);
        } else if (verb == "undo") {
            clickAt({600, 460});
        } else if (verb == "key") {
            for (int i = 0; i < number(2, 1); ++i) {
                hold(keyOf(arg), 0);
            }
        } else if (verb == "hold") {
            hold(keyOf(arg), number(2, 0));
        } else if (verb == "ctrl") {
            fake::pressKey(key::kLeftCtrl);
            hold(keyOf(arg), number(2, 0));
            fake::releaseKey(key::kLeftCtrl);
        } else if (verb == "down" || verb == "up") {
            (verb == "down" ? fake::pressKey : fake::releaseKey)(keyOf(arg));
        } else if (verb == "type") {
            for (const char c : arg) {
                hold(keyOf(std::string(1, c)), 0);
            }
        } else if (verb == "pass") {
            for (int i = 0; i < number(1, 1); ++i) {
                pass();
            }
        } else if (verb == "run") {
            runFor(static_cast<std::uint32_t>(number(1, 1)));
        } else if (verb == "frame") {
            for (int i = 0; i < number(1, 1); ++i) {
                runFrame();
            }
        } else if (verb == "settle") {
            runUntilSettled();
        } else if (verb == "let") {
            for (std::size_t i = 1; i < w.size(); ++i) {
                const std::size_t eq = w[i].find('=');
                state.*kFields.at(w[i].substr(0, eq)) = std::stoi(w[i].substr(eq + 1));
            }
        } else if (verb == "put") {
            cellAt(pointOf(arg).x, pointOf(arg).y).color = colorOfChar(w.at(2)[0]);
        } else if (verb == "next") {
            const std::vector<std::string> colors = split(arg, ',');
            for (std::size_t i = 0; i < colors.size(); ++i) {
                state.nextColors.at(i) = std::stoi(colors[i]);
            }
        } else if (verb == "drop") {
            dropNewBalls();
        } else if (verb == "rows") {
            findRows();
        } else if (verb == "zero") {
            clearRandom();
        } else if (verb == "save") {
            saved_ = boardPicture();
        } else if (verb == "quiet") {
            soundsFrom_ = fake::dev.played.size();
        } else {
            ADD_FAILURE() << "unknown action \"" << verb << "\"";
        }
    }

    std::vector<std::string> soundsSince() const {
        std::vector<std::string> names;
        for (std::size_t i = soundsFrom_; i < fake::dev.played.size(); ++i) {
            const auto it = std::find_if(kSoundNames.begin(), kSoundNames.end(), [&](auto& s) {
                return s.second == fake::dev.played[i].channel;
            });
            names.push_back(it != kSoundNames.end() ? it->first : "?");
        }
        return names;
    }

    // The value of a checked field as the check writes it; want picks the row of a row check.
    std::string value(const std::string& field, const std::string& want) const {
        if (kFields.count(field) != 0) {
            return std::to_string(state.*kFields.at(field));
        }
        if (kSoundNames.count(field) != 0) {
            const std::vector<std::string> names = soundsSince();
            return std::to_string(std::count(names.begin(), names.end(), field));
        }
        if (field == "sounds") {
            std::string got;
            for (const std::string& name : soundsSince()) {
                got += (got.empty() ? "" : ",") + name;
            }
            return got;
        }
        if (field == "row") {
            const std::string row = split(want, ',').at(0);
            const HighScoreEntry& entry = state.highScores.at(std::stoul(row));
            return row + "," + underscored(entry.name) + "," + std::to_string(entry.score);
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
        const bool hop =
            state.selectedCol != -1 && cellAt(state.selectedCol, state.selectedRow).height > 0;
        const std::map<std::string, std::string> others = {
            {"balls", std::to_string(ballCount())},
            {"sel", squareText(state.selectedCol, state.selectedRow)},
            {"hover", squareText(state.hoverCol, state.hoverRow)},
            {"board", boardPicture() == start_   ? "start"
                      : boardPicture() == saved_ ? "saved"
                                                 : "changed"},
            {"name", underscored(state.typedName)},
            {"hop", hop ? "1" : "0"},
            {"airborne", countCells([](const Cell& c) { return c.height > 300; })},
            {"ended", gameEnded() ? "1" : "0"},
        };
        const auto it = others.find(field);
        return it != others.end() ? it->second : "unknown check " + field;
    }

    std::array<std::string, kBoardSize> start_;
    std::array<std::string, kBoardSize> saved_;
    std::size_t soundsFrom_ = 0;
};

} // namespace

void runScenario(const Scenario& scenario) {
    SCOPED_TRACE(scenario.name);
    Runner(scenario).run(scenario.script);
}

std::string scenarioName(const ::testing::TestParamInfo<Scenario>& info) {
    std::string name;
    bool upper = true;
    for (const char c : std::string(info.param.name)) {
        const bool letter = std::isalnum(static_cast<unsigned char>(c)) != 0;
        if (letter) {
            name += upper ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c;
        }
        upper = !letter;
    }
    return name;
}

} // namespace game::test
