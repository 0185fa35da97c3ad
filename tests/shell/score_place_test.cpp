// Where the score file is read and written when the program's folder holds something other than
// a plain writable file: two sessions per case, each reading the list, changing its first name
// and saving.

#include "record/game_state.hpp"
#include "shell/score_file.hpp"
#include "support/fake_device.hpp"
#include "support/media_files.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <functional>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

namespace game {
namespace {

namespace fs = std::filesystem;
using test::Bytes;

Bytes scoresNamed(const std::string& first) {
    resetGameState();
    setDefaultScoresAndSettings();
    state.highScores[0].name = first;
    return encodeScoreFile();
}

void writeScores(const fs::path& path, const std::string& first) {
    test::writeWholeFile(path.string(), scoresNamed(first));
}

mode_t modeOf(const fs::path& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

// The bytes of a file whatever its mode, which it keeps.
Bytes bytesOf(const fs::path& path) {
    const mode_t mode = modeOf(path);
    chmod(path.c_str(), mode | S_IRUSR);
    Bytes bytes = test::readWholeFile(fs::path(path).string());
    chmod(path.c_str(), mode);
    return bytes;
}

struct Case {
    const char* what;
    // Prepares the program's folder (the current one) and the player's own folder.
    std::function<void(const fs::path& program, const fs::path& own)> prepare;
    const char* firstRead;  // the first name the first session reads
    const char* resultsIn;  // where the results go: "own", or a path under the program's folder
    const char* leftAlone;  // a file that must keep its bytes ("" none), under the program
    mode_t resultMode;      // the mode the results' file must have (0: any)
    bool told;              // standard error names the program folder's file once
    bool installed = false; // an installed copy, whose program folder belongs to the system
};

const char* const kScore = "flockvel.txt";

std::vector<Case> cases() {
    return {
        {"no file yet", [](const fs::path&, const fs::path&) {}, "Pos 1 Player", kScore, "", 0,
         false},
        {"unreadable file (mode 000)",
         [](const fs::path& p, const fs::path&) {
             writeScores(p / kScore, "OLD");
             fs::permissions(p / kScore, fs::perms::none);
         },
         // The administrator reads it anyway; anyone else gets the defaults.
         getuid() == 0 ? "OLD" : "Pos 1 Player", "own", kScore, 0, true},
        {"a folder named like the file",
         [](const fs::path& p, const fs::path&) { fs::create_directory(p / kScore); },
         "Pos 1 Player", "own", "", 0, true},
        {"a FIFO named like the file",
         [](const fs::path& p, const fs::path&) { mkfifo((p / kScore).c_str(), 0644); },
         "Pos 1 Player", "own", "", 0, true},
        {"read-only file",
         [](const fs::path& p, const fs::path&) {
             writeScores(p / kScore, "OLD");
             fs::permissions(p / kScore, static_cast<fs::perms>(0444));
         },
         "OLD", "own", kScore, 0, true},
        {"a newer file in the player's folder from a failed save",
         [](const fs::path& p, const fs::path& o) {
             writeScores(p / kScore, "OLD");
             writeScores(o / kScore, "NEWER");
             fs::last_write_time(p / kScore,
                                 fs::last_write_time(o / kScore) - std::chrono::hours(1));
         },
         "NEWER", kScore, "", 0, false},
        {"a symbolic link to a file elsewhere",
         [](const fs::path& p, const fs::path&) {
             fs::create_directory(p / "real");
             writeScores(p / "real/scores.bin", "OLD");
             fs::permissions(p / "real/scores.bin", static_cast<fs::perms>(0600));
             fs::create_symlink("real/scores.bin", p / kScore);
         },
         "OLD", "real/scores.bin", "", 0600, false},
        {"a file with a mode of its own",
         [](const fs::path& p, const fs::path&) {
             writeScores(p / kScore, "OLD");
             fs::permissions(p / kScore, static_cast<fs::perms>(0640));
         },
         "OLD", kScore, "", 0640, false},
        {"temporary files an interrupted save left",
         [](const fs::path& p, const fs::path&) {
             writeScores(p / kScore, "OLD");
             // Above the highest process id the system hands out: no process holds it.
             writeScores(p / "flockvel.txt.999999999.tmp", "HALF");
         },
         "OLD", kScore, "", 0, false},
        // Even where it could write there (as root): the file there is neither read nor written.
        {"an installed copy",
         [](const fs::path& p, const fs::path&) { writeScores(p / kScore, "OLD"); }, "Pos 1 Player",
         "own", kScore, 0, false, true},
    };
}

// Runs fn on a thread; if it has not returned after a few seconds, whatever blocks on the
// FIFO under the score file's name is given a writer, so that a hang fails instead of blocking.
bool endsWithoutHanging(const std::function<void()>& fn) {
    std::future<void> run = std::async(std::launch::async, fn);
    const bool ended = run.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
    if (!ended) {
        close(open(kScore, O_WRONLY | O_NONBLOCK)); // nothing to close when nobody reads
    }
    return ended; // the future waits for fn on leaving
}

// Sets a folder's modification time far back: creating or removing anything in it moves it on.
constexpr time_t kLongAgo = 946684800; // 2000-01-01

void backdate(const fs::path& folder) {
    const timespec times[2] = {{kLongAgo, 0}, {kLongAgo, 0}};
    utimensat(AT_FDCWD, folder.c_str(), times, 0);
}

TEST(ScorePlace, EachSessionReadsWhatTheLastOneWroteAndNothingUnreadIsOverwritten) {
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.what);
        test::TempFolder own;
        test::TempFolder program; // the current folder from here on
        fake::reset(0);
        fake::dev.preferenceFolder = own.path().string() + "/";
        c.prepare(program.path(), own.path());
        const Bytes leftBytes = *c.leftAlone != '\0' ? bytesOf(c.leftAlone) : Bytes{};
        const mode_t leftMode = *c.leftAlone != '\0' ? modeOf(c.leftAlone) : 0;
        const bool link = fs::is_symlink(program.file(kScore));
        const fs::path results =
            std::string(c.resultsIn) == "own" ? own.path() / kScore : program.path() / c.resultsIn;

        for (const char* name : {"FIRST", "SECOND"}) {
            backdate(program.path());
            resetGameState();
            state.installedCopy = c.installed ? 1 : 0;
            testing::internal::CaptureStderr();
            const bool loaded = endsWithoutHanging(loadScoreFile);
            const std::string told = testing::internal::GetCapturedStderr();
            if (!loaded) {
                ADD_FAILURE() << "reading hung";
                break;
            }
            // Deciding where to write creates nothing, not even for a moment.
            struct stat folderInfo {};
            stat(program.path().c_str(), &folderInfo);
            EXPECT_EQ(folderInfo.st_mtim.tv_sec, kLongAgo) << name;
            EXPECT_EQ(state.highScores[0].name,
                      name == std::string("FIRST") ? c.firstRead : "FIRST");
            EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), c.told ? 1 : 0) << told;
            if (c.told) {
                EXPECT_NE(told.find(program.file(kScore)), std::string::npos) << told;
            }
            state.highScores[0].name = name;
            if (!endsWithoutHanging(saveScoreFile)) {
                ADD_FAILURE() << "saving hung";
                break;
            }
            EXPECT_EQ(test::readWholeFile(fs::path(results).string()), scoresNamed(name)) << name;
        }
        if (*c.leftAlone != '\0') {
            EXPECT_EQ(bytesOf(program.file(c.leftAlone)), leftBytes);
            EXPECT_EQ(modeOf(program.file(c.leftAlone)), leftMode);
        }
        if (c.resultMode != 0) {
            EXPECT_EQ(modeOf(results), c.resultMode);
        }
        // A link stays a link; no temporary file stays behind.
        EXPECT_EQ(fs::is_symlink(program.file(kScore)), link);
        std::error_code ignored; // no folder "real"
        for (const fs::path& folder : {program.path(), own.path(), program.path() / "real"}) {
            for (const auto& entry : fs::directory_iterator(folder, ignored)) {
                EXPECT_NE(entry.path().extension(), ".tmp") << entry.path();
            }
        }
    }
}

} // namespace
} // namespace game
