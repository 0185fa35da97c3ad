#include "shell/score_file.hpp"

#include "media/device.hpp"
#include "shell/game_state.hpp"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace game {
namespace {

constexpr int kStoredRows = 10;
constexpr std::int32_t kDefaultSoundOn = 1;
constexpr std::int32_t kDefaultSnowOn = 1;
constexpr std::int32_t kDefaultDifficulty = 2;

using FilePtr = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

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
    explicit ScoreReader(std::FILE* file) : file_(file) {}

    // False when fewer than 4 bytes are left.
    bool readLong(std::int32_t& value) {
        unsigned char bytes[4];
        if (std::fread(bytes, 1, sizeof bytes, file_) != sizeof bytes) {
            return false;
        }
        const std::uint32_t u =
            static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
            static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
        value = static_cast<std::int32_t>(u);
        return true;
    }

    // A zero byte, LF or the end of the file ends the line; CR ends it and takes the byte after
    // it along (normally the LF), so CR LF and LF lines read alike. False when the file ended
    // before the line began.
    bool readLine(Text& text) {
        int c = std::getc(file_);
        if (c == EOF) {
            return false;
        }
        Text line;
        for (; c != EOF && c != 0 && c != '\n'; c = std::getc(file_)) {
            if (c == '\r') {
                std::getc(file_);
                break;
            }
            // Past the bound the rest of the line is read and dropped.
            if (line.size() < kMaxNameBytes && printable(static_cast<unsigned char>(c))) {
                line.push_back(static_cast<char>(c));
            }
        }
        text = std::move(line);
        return true;
    }

private:
    std::FILE* file_;
};

void readFile(std::FILE* file) {
    ScoreReader reader(file);
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

// Whether a new file can be made in folder ("" = the current directory): a system-wide install
// keeps the program's folder read-only.
bool folderWritable(const std::string& folder) {
    const std::string probe = folder + kScoreFileName + "." + std::to_string(getpid()) + ".probe";
    const int fd = open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        return errno == EEXIST;
    }
    close(fd);
    unlink(probe.c_str());
    return true;
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

// Writes a temporary file beside the old one, flushes it to the disk and renames it over the
// old one: readers see either the whole old file or the whole new one.
bool replaceFile(const std::string& folder, const std::vector<std::uint8_t>& bytes) {
    const std::string target = folder + kScoreFileName;
    const std::string temporary = target + "." + std::to_string(getpid()) + ".tmp";
    const int flags = O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW;
    int fd = open(temporary.c_str(), flags, 0666);
    if (fd < 0 && errno == EEXIST) {
        // Left behind by an earlier run that ended during its write.
        unlink(temporary.c_str());
        fd = open(temporary.c_str(), flags, 0666);
    }
    if (fd < 0) {
        return false;
    }
    const bool written = writeAll(fd, bytes) && fsync(fd) == 0;
    if (close(fd) != 0 || !written || rename(temporary.c_str(), target.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    // The rename itself reaches the disk with the folder.
    const int dir = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
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
    FilePtr file(nullptr, &std::fclose);
    if (!folderWritable("")) {
        const std::string own = device::preferenceFolder();
        if (!own.empty()) {
            file.reset(std::fopen((own + kScoreFileName).c_str(), "rb"));
        }
    }
    if (!file) {
        // In a read-only program folder this is the list that came with the game.
        file.reset(std::fopen(kScoreFileName, "rb"));
    }
    if (file) {
        readFile(file.get());
    }
}

void saveScoreFile() {
    const std::vector<std::uint8_t> bytes = encodeScoreFile();
    if (replaceFile("", bytes)) {
        return;
    }
    const std::string own = device::preferenceFolder();
    if (!own.empty()) {
        replaceFile(own, bytes);
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
