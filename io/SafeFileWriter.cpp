#include "io/SafeFileWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>

namespace aerolune {

namespace {

namespace fs = std::filesystem;

constexpr char kTemporaryPrefix[] = ".aerolune-save-";

// A name mkstemp makes from our pattern: the prefix and six letters or digits.
bool isTemporaryName(const std::string& name) {
    const std::size_t prefix = sizeof kTemporaryPrefix - 1;
    if (name.size() != prefix + 6 || name.compare(0, prefix, kTemporaryPrefix) != 0) return false;
    for (std::size_t i = prefix; i < name.size(); ++i)
        if (!std::isalnum(static_cast<unsigned char>(name[i]))) return false;
    return true;
}

// A save killed between writing its temporary file and renaming it leaves the
// temporary behind. Ours (our exact name pattern, a plain file owned by this
// user) that are more than a day old belong to no save still running and are
// removed. Anything else in the folder is left alone, and a folder that cannot
// be listed is simply not tidied.
void removeStaleTemporaries(const fs::path& folder) {
    const std::time_t dayAgo = std::time(nullptr) - 24 * 60 * 60;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& entry = it->path();
        if (!isTemporaryName(entry.filename().string())) continue;
        struct stat info {};
        if (::lstat(entry.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
        if (info.st_uid != ::geteuid() || info.st_mtime >= dayAgo) continue;
        ::unlink(entry.c_str());
    }
}

WriteResult failed(const std::string& path, const std::string& what, int error) {
    return {false, "cannot save \"" + path + "\": " + what + ": " + std::strerror(error)};
}

// The mode a newly created file gets: rw for all, less the creation mask.
mode_t newFileMode() {
    mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The file a save writes: the path itself, or the file at the end of a chain
// of symbolic links. Empty with `reason` set when there is no regular file to
// write (or to create) there.
fs::path saveTarget(const std::string& path, std::string& reason) {
    std::error_code ec;
    fs::path target = path;
    if (fs::is_symlink(target, ec)) {
        target = fs::canonical(target, ec);
        if (ec) {
            reason = ec == std::errc::no_such_file_or_directory
                         ? "it is a symbolic link to a file that does not exist"
                         : "it is a symbolic link that cannot be followed: " + ec.message();
            return {};
        }
    }
    const fs::file_status status = fs::status(target, ec);
    if (status.type() == fs::file_type::directory) {
        reason = "it is a folder";
        return {};
    }
    // A device, pipe or socket would be replaced by a plain file, and the
    // system lose it: only a regular file, or no file yet, is written.
    if (fs::exists(status) && status.type() != fs::file_type::regular) {
        reason = "it is not a regular file (a device, pipe or socket)";
        return {};
    }
    return target;
}

}  // namespace

WriteResult writeFileReplacing(const std::string& path, std::string_view bytes) {
    std::string why;
    const fs::path target = saveTarget(path, why);
    if (target.empty()) return {false, "cannot save \"" + path + "\": " + why};

    fs::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    removeStaleTemporaries(folder);
    // A short name of its own, so that any name the target may have fits.
    std::string temporary = (folder / (std::string(kTemporaryPrefix) + "XXXXXX")).string();
    int fd = ::mkstemp(temporary.data());
    if (fd < 0) return failed(path, "cannot create a file in \"" + folder.string() + "\"", errno);

    struct stat existing {};
    mode_t mode = ::stat(target.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : newFileMode();
    bool ok = ::fchmod(fd, mode) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
    int error = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(temporary.c_str(), target.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temporary.c_str());
        return failed(path, "write failed", error);
    }
    return {true, {}};
}

}  // namespace aerolune
