// The real program in a folder of its own, started as a player or the system would start it:
// how it ends (exit code, what standard error says, what it saved) when the display, its data
// or a signal stands in its way. Every wait has a pass limit, so a hang fails.

#include "support/media_files.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace game {
namespace {

namespace fs = std::filesystem;

constexpr int kPassMs = 10;
constexpr int kPasses = 3000; // 30 s: the program under the sanitizers starts slowly

struct GameRun {
    int exitCode = -1; // -1: still running when the passes ran out, then killed
    std::string told;  // standard error
};

// Whether the program (not the test's own copy before exec, which has the test's handlers) has
// a handler for signal (its mask in /proc).
bool catches(pid_t pid, int signal, const std::string& exe) {
    std::error_code ignored;
    if (fs::read_symlink("/proc/" + std::to_string(pid) + "/exe", ignored) != exe) {
        return false;
    }
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("SigCgt:")) {
            const unsigned long long mask = std::stoull(line.substr(7), nullptr, 16);
            return (mask >> (signal - 1) & 1) != 0;
        }
    }
    return false;
}

GameRun runGame(const fs::path& folder, const std::vector<std::string>& env, int signal) {
    std::vector<char*> envp;
    for (const std::string& e : env) {
        envp.push_back(const_cast<char*>(e.c_str()));
    }
    envp.push_back(nullptr);
    const std::string exe = (folder / "zuravozidizuvav").string();
    const std::string errors = (folder / "stderr.txt").string();
    const pid_t pid = fork();
    if (pid == 0) {
        const int err = open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int null = open("/dev/null", O_RDWR);
        dup2(null, 0);
        dup2(null, 1);
        dup2(err, 2);
        char* argv[] = {const_cast<char*>(exe.c_str()), nullptr};
        execve(exe.c_str(), argv, envp.data());
        _exit(127);
    }
    GameRun run;
    bool signalled = signal == 0;
    for (int pass = 0; pass < kPasses; ++pass) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            break;
        }
        if (!signalled && catches(pid, signal, exe)) {
            kill(pid, signal);
            signalled = true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(kPassMs));
    }
    if (run.exitCode == -1) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    const test::Bytes told = test::readWholeFile(errors);
    run.told.assign(told.begin(), told.end());
    return run;
}

struct Case {
    const char* what;
    // The video driver asked for: "dummy" (with the dummy sound driver) runs headless as tests
    // do; any other has no display to open.
    const char* video;
    std::function<void(const fs::path& folder)> prepare;
    int signal;
    int exitCode;
    const char* told; // a part of the one line on standard error ("" : nothing said)
};

std::vector<Case> cases() {
    const auto nothing = [](const fs::path&) {};
    return {
        {"SIGTERM", "dummy", nothing, SIGTERM, 0, ""},
        {"SIGINT", "dummy", nothing, SIGINT, 0, ""},
        {"SIGHUP (terminal closed)", "dummy", nothing, SIGHUP, 0, ""},
        {"score file a FIFO", "dummy",
         [](const fs::path& f) { mkfifo((f / "flockvel.txt").c_str(), 0644); }, SIGTERM, 0,
         "flockvel.txt is left as it is because it is not a regular file"},
        {"no DISPLAY, no driver asked for", "", nothing, 0, 1, "no display"},
        {"no DISPLAY, the X11 driver asked for", "x11", nothing, 0, 1, "no display"},
        {"picture missing", "dummy", [](const fs::path& f) { fs::remove(f / "data/Undo.bmp"); }, 0,
         1, "/data/Undo.bmp: No such file or directory"},
        {"picture a FIFO", "dummy",
         [](const fs::path& f) {
             fs::remove(f / "data/wkcrsr.bmp");
             mkfifo((f / "data/wkcrsr.bmp").c_str(), 0644);
         },
         0, 1, "/data/wkcrsr.bmp: not a regular file"},
        {"picture damaged", "dummy",
         [](const fs::path& f) { fs::resize_file(f / "data/field.bmp", 60); }, 0, 1,
         "/data/field.bmp: not a picture"},
        {"sound damaged", "dummy",
         [](const fs::path& f) { std::ofstream(f / "data/explode.wav") << "RIFF....WAVEjunk"; }, 0,
         1, "/data/explode.wav: not a WAV sound"},
    };
}

TEST(GameProcess, EndsAsTheSituationAsksAndSaysWhatFailed) {
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.what);
        test::TempFolder folder;
        const fs::path f = folder.path();
        fs::copy_file(ZV_GAME_EXE, f / "zuravozidizuvav");
        fs::copy(ZV_DATA_DIR, f / "data", fs::copy_options::recursive);
        c.prepare(f);
        std::vector<std::string> env = {"HOME=" + (f / "home").string(),
                                        "XDG_DATA_HOME=" + (f / "own").string(),
                                        "XDG_RUNTIME_DIR=" + f.string(), // as a login sets it
                                        "PATH=/usr/bin:/bin"};
        if (*c.video != '\0') {
            env.push_back(std::string("SDL_VIDEODRIVER=") + c.video);
            env.push_back("SDL_AUDIODRIVER=dummy");
        }
        if (const char* asan = std::getenv("ASAN_OPTIONS")) {
            env.push_back(std::string("ASAN_OPTIONS=") + asan);
        }
        const GameRun run = runGame(f, env, c.signal);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.told;
        if (*c.told == '\0') {
            EXPECT_EQ(run.told, "");
        } else {
            EXPECT_TRUE(run.told.starts_with("zuravozidizuvav: ")) << run.told;
            EXPECT_NE(run.told.find(c.told), std::string::npos) << run.told;
            EXPECT_EQ(std::count(run.told.begin(), run.told.end(), '\n'), 1) << run.told;
        }
        // A normal end saves the list (where it can); a failed start writes nothing.
        const fs::path own = f / "own/Wichtelwerkstatt/Zuravozidizuvav/flockvel.txt";
        const fs::path saved = fs::is_fifo(f / "flockvel.txt") ? own : f / "flockvel.txt";
        EXPECT_EQ(fs::exists(saved) && fs::file_size(saved) == 193u, c.exitCode == 0);
    }
}

} // namespace
} // namespace game
