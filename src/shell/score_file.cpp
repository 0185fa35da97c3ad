#include "shell/score_file.hpp"

#include "media/device.hpp"
#include "media/file_bytes.hpp"
#include "record/game_state.hpp"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace game {
namespace {

constexpr int kStoredRows = 10;
constexpr std::int32_t kDefaultSoundOn = 1;
constexpr std::int32_t kDefaultSnowOn = 1;
constexpr std::int32_t kDefaultDifficulty = 2;

constexpr std::size_t kMaxScoreFileBytes = 16u << 20;

std::int32_t defaultScore(int row) {
    return 100 - 10 * row;
}

Text defaultName(int row) {
    return "Pos " + numberToText(row + 1) + " Player";
}

// A byte a name may keep: no control characters, and none of the five codes Windows-1252
// leaves undefined.
bool printable(unsigned char c) {
    return c >= 0x20 && c != 0x7F && c != 0x81 && c != 0x8D && c != 0x8F && c != 0x90 && c != 0x9D;
}

// The file is read as untrusted: it may end anywhere and hold anything.
class ScoreReader {
public:
    explicit ScoreReader(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}

    // False when fewer than 4 bytes are left.
    bool readLong(std::int32_t& value) {
        if (bytes_.size() - at_ < 4) {
            return false;
        }
        std::uint32_t u = 0;
        for (int i = 0; i < 4; ++i) {
            u |= static_cast<std::uint32_t>(bytes_[at_++]) << (8 * i);
        }
        value = static_cast<std::int32_t>(u);
        return true;
    }

    // A zero byte, LF or the end of the file ends the line; CR ends it and takes the byte after
    // it along (normally the LF), so CR LF and LF lines read alike. False when the file ended
    // before the line began.
    bool readLine(Text& text) {
        if (at_ >= bytes_.size()) {
            return false;
        }
        Text line;
        while (at_ < bytes_.size()) {
            const std::uint8_t c = bytes_[at_++];
            if (c == 0 || c == '\n') {
                break;
            }
            if (c == '\r') {
                at_ = std::min(at_ + 1, bytes_.size());
                break;
            }
            // Past the bound the rest of the line is read and dropped.
            if (line.size() < kMaxNameBytes && printable(c)) {
                line.push_back(static_cast<char>(c));
            }
        }
        text = std::move(line);
        return true;
    }

private:
    const std::vector<std::uint8_t>& bytes_;
    std::size_t at_ = 0;
};

} // namespace

void decodeScoreFile(const std::vector<std::uint8_t>& bytes) {
    ScoreReader reader(bytes);
    for (int row = 0; row < kStoredRows; ++row) {
        HighScoreEntry& entry = state.highScores[static_cast<std::size_t>(row)];
        if (!reader.readLong(entry.score) || !reader.readLine(entry.name)) {
            break;
        }
    }
    if (reader.readLong(state.soundOn) && reader.readLong(state.snowOn)) {
        reader.readLong(state.difficulty);
    }
    // The rest of the game relies on these ranges (the difficulty picks the balls per drop).
    if (state.soundOn != 0 && state.soundOn != 1) {
        state.soundOn = kDefaultSoundOn;
    }
    if (state.snowOn != 0 && state.snowOn != 1) {
        state.snowOn = kDefaultSnowOn;
    }
    if (state.difficulty < 1 || state.difficulty > 4) {
        state.difficulty = kDefaultDifficulty;
    }
}

namespace {

// One of the two places the file may live: the program's folder or the player's own one.
struct Place {
    std::string path;    // the file's name there; empty when the place does not exist
    bool exists = false; // something stands under the name (also a folder, a FIFO, a link)
    bool usable = false; // may be written: a writable regular file, or none in a writable folder
    bool readFailed = false; // something is there that could not be read: never overwritten
    std::string why;         // what stands in the way, for the message
    timespec written{};      // last change of the file
};

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

// What stands under the name, decided without creating anything: a link is judged by its target
// and its target's folder, where the new file will be made.
Place inspect(const std::string& folder, bool known) {
    Place place;
    if (!known) {
        return place;
    }
    place.path = folder + kScoreFileName;
    struct stat info {};
    if (lstat(place.path.c_str(), &info) != 0) {
        place.usable = access((folder.empty() ? "." : folder.c_str()), W_OK | X_OK) == 0;
        place.why = "its folder cannot be written";
        return place;
    }
    place.exists = true;
    if (stat(place.path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        place.readFailed = true;
        place.why = "it is not a regular file";
        return place;
    }
    place.written = info.st_mtim;
    char* target = realpath(place.path.c_str(), nullptr);
    const std::string targetFolder = target != nullptr ? folderOf(target) : std::string();
    std::free(target);
    // No write bit counts as read-only also for the administrator, whom access() never refuses.
    if (access(place.path.c_str(), R_OK) != 0) {
        place.readFailed = true;
        place.why = std::string("it cannot be read (") + std::strerror(errno) + ")";
    } else if ((info.st_mode & 0222) == 0 || access(place.path.c_str(), W_OK) != 0) {
        place.why = "it is read-only";
    } else if (targetFolder.empty() || access(targetFolder.c_str(), W_OK | X_OK) != 0) {
        place.why = "its folder cannot be written";
    } else {
        place.usable = true;
    }
    return place;
}

bool newer(const timespec& a, const timespec& b) {
    return a.tv_sec != b.tv_sec ? a.tv_sec > b.tv_sec : a.tv_nsec > b.tv_nsec;
}

// Reads the place's file; a file that is there but cannot be read is marked never to be written.
bool readPlace(Place& place) {
    std::vector<std::uint8_t> bytes;
    std::string why;
    if (!readFileBytes(place.path.c_str(), kMaxScoreFileBytes, bytes, &why)) {
        place.readFailed = true;
        place.usable = false;
        place.why = "it cannot be read (" + why + ")";
        return false;
    }
    decodeScoreFile(bytes);
    return true;
}

std::string absolutePath(const std::string& path) {
    if (path.starts_with('/')) {
        return path;
    }
    char here[PATH_MAX];
    return getcwd(here, sizeof here) != nullptr ? std::string(here) + "/" + path : path;
}

bool writeAll(int fd, const std::vector<std::uint8_t>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<std::size_t>(wrote);
    }
    return true;
}

// Temporary files of earlier saves that ended between writing and renaming; those of a save
// still running in another copy of the game, also another user's, are left to it.
void removeStaleTemporaries(const std::string& folder) {
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) {
        return;
    }
    const std::string prefix = std::string(kScoreFileName) + ".";
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.size() <= prefix.size() + 4 || name.compare(0, prefix.size(), prefix) != 0 ||
            !name.ends_with(".tmp")) {
            continue;
        }
        const std::string digits = name.substr(prefix.size(), name.size() - prefix.size() - 4);
        if (digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos) {
            continue;
        }
        const pid_t pid = static_cast<pid_t>(std::stol(digits));
        if (pid != getpid() && (kill(pid, 0) == 0 || errno == EPERM)) {
            continue;
        }
        struct stat info {};
        const std::string path = folder + name;
        if (lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
            unlink(path.c_str());
        }
    }
    closedir(dir);
}

// Writes a temporary file beside the file (beside a link's target), flushes it to the disk and
// renames it over the file: readers see either the whole old file or the whole new one. The new
// file keeps the old one's permissions.
bool replaceFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::string target = path;
    bool keepMode = false;
    mode_t mode = 0;
    struct stat info {};
    if (stat(path.c_str(), &info) == 0) {
        char* real = realpath(path.c_str(), nullptr);
        if (real == nullptr) {
            return false;
        }
        target = real;
        std::free(real);
        mode = info.st_mode & 07777;
        keepMode = true;
    }
    const std::string folder = folderOf(target);
    removeStaleTemporaries(folder);
    const std::string temporary = target + "." + std::to_string(getpid()) + ".tmp";
    const int fd =
        open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0) {
        return false;
    }
    const bool written =
        (!keepMode || fchmod(fd, mode) == 0) && writeAll(fd, bytes) && fsync(fd) == 0;
    if (close(fd) != 0 || !written || rename(temporary.c_str(), target.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    // The rename itself reaches the disk with the folder.
    const int dir = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
    return true;
}

void putLong(std::vector<std::uint8_t>& out, std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<std::uint8_t>(u >> shift));
    }
}

void putLine(std::vector<std::uint8_t>& out, const Text& text) {
    for (const char c : text) {
        // A line end or zero byte inside a name would shift every later item.
        if (c != '\r' && c != '\n' && c != '\0') {
            out.push_back(static_cast<std::uint8_t>(c));
        }
    }
    out.push_back('\r');
    out.push_back('\n');
}

} // namespace

void setDefaultScoresAndSettings() {
    for (int row = 0; row < kStoredRows; ++row) {
        HighScoreEntry& entry = state.highScores[static_cast<std::size_t>(row)];
        entry.score = defaultScore(row);
        entry.name = defaultName(row);
    }
    state.soundOn = kDefaultSoundOn;
    state.snowOn = kDefaultSnowOn;
    state.difficulty = kDefaultDifficulty;
}

void loadScoreFile() {
    // Whatever the file does not hold keeps its default.
    setDefaultScoresAndSettings();
    Place program = inspect("", state.installedCopy == 0);
    const std::string ownFolder = device::preferenceFolder();
    Place own = inspect(ownFolder, !ownFolder.empty());

    // When both places hold a file, the one written last holds the latest results (an earlier
    // save may have had to go to the player's folder).
    Place* first = &program;
    Place* second = &own;
    if (own.exists && !own.readFailed &&
        (!program.exists || program.readFailed || newer(own.written, program.written))) {
        std::swap(first, second);
    }
    if (!(first->exists && !first->readFailed && readPlace(*first)) && second->exists &&
        !second->readFailed) {
        readPlace(*second);
    }

    state.scoreFileChosen = 1;
    state.scoreFilePath.clear();
    if (program.usable) {
        state.scoreFilePath = program.path;
        return;
    }
    if (own.usable) {
        state.scoreFilePath = own.path;
    }
    if (program.exists) {
        // Said once, so the player knows where the list went and why the old one stays.
        std::fprintf(stderr, "zuravozidizuvav: %s is left as it is because %s; %s\n",
                     absolutePath(program.path).c_str(), program.why.c_str(),
                     state.scoreFilePath.empty()
                         ? "this session's results cannot be kept"
                         : ("this session's results go to " + state.scoreFilePath).c_str());
    }
}

void saveScoreFile() {
    if (state.scoreFileChosen == 0) {
        // Saved without a load before: the same choice a load makes.
        const auto kept = state.highScores;
        const std::int32_t sound = state.soundOn;
        const std::int32_t snow = state.snowOn;
        const std::int32_t difficulty = state.difficulty;
        loadScoreFile();
        state.highScores = kept;
        state.soundOn = sound;
        state.snowOn = snow;
        state.difficulty = difficulty;
    }
    const std::vector<std::uint8_t> bytes = encodeScoreFile();
    if (state.scoreFilePath.empty() || replaceFile(state.scoreFilePath, bytes)) {
        return;
    }
    // The chosen place failed (a full disk): the player's own folder keeps the results, and the
    // next start finds them there as the newer file.
    const std::string own = device::preferenceFolder();
    if (!own.empty() && own + kScoreFileName != state.scoreFilePath) {
        Place place = inspect(own, true);
        if (place.usable) {
            replaceFile(place.path, bytes);
        }
    }
}

std::vector<std::uint8_t> encodeScoreFile() {
    std::vector<std::uint8_t> out;
    for (int row = 0; row < kStoredRows; ++row) {
        const HighScoreEntry& entry = state.highScores[static_cast<std::size_t>(row)];
        putLong(out, entry.score);
        putLine(out, entry.name);
    }
    putLong(out, state.soundOn);
    putLong(out, state.snowOn);
    putLong(out, state.difficulty);
    return out;
}

} // namespace game
