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
//   at x,y | rat x,y | point x,y            left or right click at a point, or only point there
//   pointsq c,r dx,dy                       point beside the middle of a square's top face
//   tab i | rtab i | undo                   click on a rested menu tab, or on the Undo button
//   key K | ctrl K | down K | up K | type W a key tapped (with Left Ctrl), held, let go; letters
//                                           typed ('_' a space)
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
    {"snowon", &GameState::snowOn},         {"fps", &GameState::framesPerSecond},
    {"showfps", &GameState::showFps},       {"noisy", &GameState::noisyFacesOn},
    {"overlayx", &GameState::overlayX},     {"rowsfound", &GameState::rowsFound},
    {"frame", &GameState::frameTick},       {"click", &GameState::leftClick},
    {"rclick", &GameState::rightClick},     {"quit", &GameState::quitRequested},
    {"tries", &GameState::dropTries},       {"mousex", &GameState::mouseX},
    {"mousey", &GameState::mouseY},         {"selcol", &GameState::selectedCol},
    {"selrow", &GameState::selectedRow},
};

const std::map<std::string, std::int32_t> kSoundNames = {
    {"explode", sound::kExplode},     {"noway", sound::kNoWay},      {"menu", sound::kMenuSelect},
    {"open", sound::kMenuOpen},       {"pick", sound::kFieldSelect}, {"burp", sound::kBurp},
    {"raspberry", sound::kRaspberry},
};

const std::map<std::string, KeyCode> kKeyNames = {
    {"esc", key::kEscape},  {"back", key::kBackspace},
    {"enter", key::kEnter}, {"kpenter", key::kKeypadEnter},
    {"space", key::kSpace}, {"ctrl", key::kLeftCtrl},
    {"rctrl", 0x9D},
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

std::vector<int> numbers(const std::string& text) {
    std::vector<int> out;
    for (const std::string& part : split(text, ',')) {
        out.push_back(std::stoi(part));
    }
    return out;
}

ScreenPoint pointOf(const std::string& text) {
    const std::vector<int> n = numbers(text);
    return {n.at(0), n.at(1)};
}

KeyCode keyOf(const std::string& name) {
    if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z') {
        return kLetters[name[0] - 'A'];
    }
    return kKeyNames.at(name);
}

ScreenPoint tabPoint(int index) {
    return {5, state.menu.at(static_cast<std::size_t>(index)).y + 20};
}

class Runner {
public:
    explicit Runner(const Scenario& scenario) : scenario_(scenario) {
        if (scenario.board[0] != nullptr) {
            prepareBoard(scenario.board, {2, 3, 4, 5, 6});
        } else {
            prepareGame();
        }
        start_ = boardPicture();
    }

    void run() {
        for (const std::string& command : split(scenario_.script, ';')) {
            const std::vector<std::string> words = split(command, ' ');
            if (words.front().find('=') != std::string::npos) {
                for (const std::string& check : words) {
                    verify(command, check);
                }
            } else if (!act(words)) {
                ADD_FAILURE() << scenario_.name << ": unknown command \"" << command << "\"";
                return;
            }
        }
    }

private:
    void passes(int n) {
        for (int i = 0; i < n && !ended_; ++i) {
            ended_ = !pass();
        }
    }

    // Passes until done() holds; a scenario that never gets there fails instead of hanging.
    template <typename Done> void passUntil(Done done, const std::string& what) {
        for (int i = 0; !done(); ++i) {
            if (i == kPassLimit || ended_) {
                ADD_FAILURE() << scenario_.name << ": never " << what;
                return;
            }
            passes(1);
        }
    }

    void click(ScreenPoint at, int button) {
        passUntil([] { return deadlinePassed(state.clickLockUntil, fake::dev.tick); },
                  "out of the click lock-out");
        pointAt(at);
        fake::pressButton(button);
        fake::releaseButton(button);
        passes(1);
    }

    void tap(KeyCode code) {
        fake::pressKey(code);
        passes(1);
        fake::releaseKey(code);
        passes(1);
    }

    bool act(const std::vector<std::string>& w) {
        const std::string& verb = w[0];
        const std::string arg = w.size() > 1 ? w[1] : "";
        if (verb == "click" || verb == "rclick") {
            const ScreenPoint sq = pointOf(arg);
            click(squarePoint(sq.x, sq.y), verb == "click" ? 0 : 1);
        } else if (verb == "send") {
            const ScreenPoint from = pointOf(arg);
            const ScreenPoint to = pointOf(w.at(2));
            click(squarePoint(from.x, from.y), 0);
            click(squarePoint(to.x, to.y), 0);
        } else if (verb == "at" || verb == "rat") {
            click(pointOf(arg), verb == "at" ? 0 : 1);
        } else if (verb == "point") {
            pointAt(pointOf(arg));
        } else if (verb == "pointsq") {
            const ScreenPoint sq = pointOf(arg);
            const ScreenPoint by = pointOf(w.at(2));
            const ScreenPoint middle = squarePoint(sq.x, sq.y);
            pointAt({middle.x + by.x, middle.y + by.y});
        } else if (verb == "tab" || verb == "rtab") {
            click(tabPoint(std::stoi(arg)), verb == "tab" ? 0 : 1);
        } else if (verb == "undo") {
            click({600, 460}, 0);
        } else if (verb == "key") {
            tap(keyOf(arg));
        } else if (verb == "ctrl") {
            fake::pressKey(key::kLeftCtrl);
            tap(keyOf(arg));
            fake::releaseKey(key::kLeftCtrl);
        } else if (verb == "down" || verb == "up") {
            (verb == "down" ? fake::pressKey : fake::releaseKey)(keyOf(arg));
        } else if (verb == "type") {
            for (const char c : arg) {
                tap(c == '_' ? key::kSpace : kLetters[c - 'A']);
            }
        } else if (verb == "pass") {
            passes(arg.empty() ? 1 : std::stoi(arg));
        } else if (verb == "run") {
            const std::uint32_t until = fake::dev.tick + static_cast<std::uint32_t>(std::stoi(arg));
            passUntil([until] { return static_cast<std::int32_t>(fake::dev.tick - until) >= 0; },
                      "past " + arg + " ms");
        } else if (verb == "frame") {
            for (int i = 0; i < (arg.empty() ? 1 : std::stoi(arg)); ++i) {
                passes(1);
                passUntil([] { return state.frameTick == 1; }, "at a frame");
            }
        } else if (verb == "settle") {
            passUntil(
                [] {
                    return state.ballMoving == 0 &&
                           std::none_of(state.board.begin(), state.board.end(),
                                        [](const Cell& c) { return c.bursting == 1; });
                },
                "settled");
        } else if (verb == "let") {
            for (std::size_t i = 1; i < w.size(); ++i) {
                const std::size_t eq = w[i].find('=');
                state.*kFields.at(w[i].substr(0, eq)) = std::stoi(w[i].substr(eq + 1));
            }
        } else if (verb == "put") {
            const ScreenPoint sq = pointOf(arg);
            cellAt(sq.x, sq.y).color = colorOfChar(w.at(2)[0]);
        } else if (verb == "next") {
            const std::vector<int> colors = numbers(arg);
            for (std::size_t i = 0; i < colors.size(); ++i) {
                state.nextColors.at(i) = colors[i];
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
            return false;
        }
        return true;
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

    static std::string underscored(std::string text) {
        std::replace(text.begin(), text.end(), ' ', '_');
        return text;
    }

    static std::string squareText(std::int32_t col, std::int32_t row) {
        return col == -1 ? "none" : std::to_string(col) + "," + std::to_string(row);
    }

    void verify(const std::string& command, const std::string& check) {
        const std::size_t eq = check.find('=');
        const std::string field = check.substr(0, eq);
        const std::string want = check.substr(eq + 1);
        std::string got;
        if (kFields.count(field) != 0) {
            got = std::to_string(state.*kFields.at(field));
        } else if (field == "balls") {
            got = std::to_string(ballCount());
        } else if (field == "sel") {
            got = squareText(state.selectedCol, state.selectedRow);
        } else if (field == "hover") {
            got = squareText(state.hoverCol, state.hoverRow);
        } else if (field == "sounds") {
            const std::vector<std::string> names = soundsSince();
            for (std::size_t i = 0; i < names.size(); ++i) {
                got += (i > 0 ? "," : "") + names[i];
            }
        } else if (kSoundNames.count(field) != 0) {
            const std::vector<std::string> names = soundsSince();
            got = std::to_string(std::count(names.begin(), names.end(), field));
        } else if (field == "board") {
            const auto now = boardPicture();
            got = now == start_ ? "start" : now == saved_ ? "saved" : "changed";
        } else if (field == "name") {
            got = underscored(state.typedName);
        } else if (field == "row") {
            const std::vector<std::string> parts = split(want, ',');
            const HighScoreEntry& entry = state.highScores.at(std::stoul(parts.at(0)));
            got = parts[0] + "," + underscored(entry.name) + "," + std::to_string(entry.score);
        } else if (field.rfind("tab", 0) == 0) {
            got = std::to_string(state.menu.at(std::stoul(field.substr(3))).x);
        } else if (field == "hop") {
            got = state.selectedCol != -1 && cellAt(state.selectedCol, state.selectedRow).height > 0
                      ? "1"
                      : "0";
        } else if (field == "airborne") {
            got = std::to_string(std::count_if(state.board.begin(), state.board.end(),
                                               [](const Cell& c) { return c.height > 300; }));
        } else if (field[0] == '#') {
            const std::int32_t color = colorOfChar(field.at(1));
            got =
                std::to_string(std::count_if(state.board.begin(), state.board.end(),
                                             [color](const Cell& c) { return c.color == color; }));
        } else if (field == "ended") {
            got = ended_ ? "1" : "0";
        } else if (field.find(',') != std::string::npos) {
            const ScreenPoint sq = pointOf(field);
            got = std::string(1, boardPicture()[static_cast<std::size_t>(sq.y)][sq.x]);
        } else {
            ADD_FAILURE() << scenario_.name << ": unknown check \"" << check << "\"";
            return;
        }
        EXPECT_EQ(got, want) << scenario_.name << ", at \"" << command << "\": " << field;
    }

    const Scenario& scenario_;
    std::array<std::string, kBoardSize> start_;
    std::array<std::string, kBoardSize> saved_;
    std::size_t soundsFrom_ = 0;
    bool ended_ = false;
};

} // namespace

void runScenario(const Scenario& scenario) {
    Runner(scenario).run();
}

std::string scenarioName(const ::testing::TestParamInfo<Scenario>& info) {
    std::string name;
    bool upper = true;
    for (const char c : std::string(info.param.name)) {
        if (std::isalnum(static_cast<unsigned char>(c)) == 0) {
            upper = true;
            continue;
        }
        name += upper ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c;
        upper = false;
    }
    return name;
}

} // namespace game::test
