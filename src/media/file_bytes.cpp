#include "media/file_bytes.hpp"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace game {
namespace {

std::string loadProblem;

bool fail(std::string* why, std::string reason, std::vector<std::uint8_t>& out) {
    out.clear();
    if (why != nullptr) {
        *why = std::move(reason);
    }
    return false;
}

} // namespace

int openRegularFile(const char* path, std::size_t maxBytes, std::size_t& size, std::string* why) {
    std::vector<std::uint8_t> none;
    size = 0;
    if (path == nullptr || path[0] == '\0') {
        fail(why, "no file name", none);
        return -1;
    }
    // Opened without waiting: opening a FIFO for reading would otherwise block until a writer
    // comes. The type is checked before the first read.
    const int fd = open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        fail(why, std::strerror(errno), none);
        return -1;
    }
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        fail(why, "not a regular file", none);
        return -1;
    }
    if (static_cast<std::uint64_t>(info.st_size) > maxBytes) {
        close(fd);
        fail(why, "file too large", none);
        return -1;
    }
    size = static_cast<std::size_t>(info.st_size);
    return fd;
}

bool readFileBytes(const char* path, std::size_t maxBytes, std::vector<std::uint8_t>& out,
                   std::string* why) {
    out.clear();
    std::size_t size = 0;
    const int fd = openRegularFile(path, maxBytes, size, why);
    if (fd < 0) {
        return false;
    }
    // Read in blocks rather than trusting the size asked up front: the file may change meanwhile.
    std::uint8_t block[65536];
    for (;;) {
        const ssize_t got = read(fd, block, sizeof block);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            const int error = errno;
            close(fd);
            return fail(why, std::strerror(error), out);
        }
        if (got == 0) {
            break;
        }
        if (out.size() + static_cast<std::size_t>(got) > maxBytes) {
            close(fd);
            return fail(why, "file too large", out);
        }
        out.insert(out.end(), block, block + got);
    }
    close(fd);
    return true;
}

void noteLoadProblem(std::string why) {
    loadProblem = std::move(why);
}

std::string takeLoadProblem() {
    std::string why = std::move(loadProblem);
    loadProblem.clear();
    return why;
}

} // namespace game
