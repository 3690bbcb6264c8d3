#include "io/RegularFileText.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace aerolune {

namespace {

// What kind of file a mode names, for a refusal the user understands; empty
// for a regular file.
std::string kindOf(mode_t mode) {
    if (S_ISREG(mode)) return {};
    if (S_ISDIR(mode)) return "a folder";
    if (S_ISFIFO(mode)) return "a named pipe (FIFO)";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
    if (S_ISSOCK(mode)) return "a socket";
    return "not a file";
}

std::string kindReason(const std::string& path, mode_t mode) {
    const std::string kind = kindOf(mode);
    if (kind.empty()) return {};
    return "cannot read \"" + path + "\": it is " + kind + ", not a regular file";
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

RegularFileText tooLarge() {
    RegularFileText result;
    result.tooLarge = true;
    return result;
}

RegularFileText refused(std::string reason) {
    RegularFileText result;
    result.reason = std::move(reason);
    return result;
}

}  // namespace

std::string notRegularFileReason(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return {};
    return kindReason(path, info.st_mode);
}

RegularFileText readRegularFile(const std::string& path, std::size_t maxBytes) {
    // Opening some devices does something (a tape rewinds, a modem line
    // rises), so the kind is checked before the file is opened; and again on
    // the open file, in case another took its place in between. O_NONBLOCK
    // lets the open of a pipe put there meanwhile return at once.
    if (std::string kind = notRegularFileReason(path); !kind.empty()) return refused(kind);
    errno = 0;
    Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0) {
        const int error = errno;
        // A socket cannot be opened at all; say what it is rather than "no
        // such device or address".
        if (std::string kind = notRegularFileReason(path); !kind.empty()) return refused(kind);
        return refused("cannot open \"" + path + "\": " + std::strerror(error));
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0)
        return refused("cannot read \"" + path + "\": " + std::strerror(errno));
    if (std::string kind = kindReason(path, info.st_mode); !kind.empty()) return refused(kind);
    if (static_cast<unsigned long long>(info.st_size) > maxBytes) return tooLarge();

    std::string text;
    char chunk[65536];
    while (text.size() <= maxBytes) {
        const ssize_t got = ::read(file.get(), chunk, sizeof chunk);
        if (got == 0) break;
        if (got < 0) {
            if (errno == EINTR) continue;
            return refused("cannot read \"" + path + "\": " + std::strerror(errno));
        }
        text.append(chunk, static_cast<std::size_t>(got));
    }
    if (text.size() > maxBytes) return tooLarge();
    RegularFileText result;
    result.text = std::move(text);
    return result;
}

}  // namespace aerolune
