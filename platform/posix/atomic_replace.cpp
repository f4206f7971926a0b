#include "platform/posix/atomic_replace.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <random>

#include "platform/posix/leftover_sweep.h"
#include "platform/posix/unique_fd.h"

namespace zarvik3 {

namespace {

constexpr int kNameAttempts = 64;

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseNameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The names CreateTemporary gives: "." + base + "." + digits + ".tmp".
bool IsTemporaryOf(const std::string& base, const std::string& name) {
    const std::string stem = "." + base + ".";
    if (name.size() <= stem.size() + 4 || !name.starts_with(stem) || !name.ends_with(".tmp")) {
        return false;
    }
    const std::string digits = name.substr(stem.size(), name.size() - stem.size() - 4);
    return digits.find_first_not_of("0123456789") == std::string::npos;
}

// Leftovers of saves that were stopped would otherwise pile up, one per interruption.
void SweepStaleTemporaries(const std::string& target) {
    const UniqueFd folder(open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.Valid()) return;
    const std::string base = BaseNameOf(target);
    SweepLeftovers(folder.Get(),
                   [&](const std::string& name) { return IsTemporaryOf(base, name); });
}

// A hidden name beside the target, created exclusively and never through a link, and
// locked while it is written so that no other save takes it for a leftover.
int CreateTemporary(const std::string& target, mode_t mode, std::string& name) {
    std::random_device seed;
    std::mt19937_64 random(seed());
    const std::string stem = FolderOf(target) + "/." + BaseNameOf(target) + ".";
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        name = stem + std::to_string(random() % 1000000000) + ".tmp";
        const int fd =
            open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0) flock(fd, LOCK_EX | LOCK_NB);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool WriteAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t written = write(fd, content.data(), content.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool TakeOverAttributes(int fd, const struct stat* existing) {
    if (existing == nullptr) return true;
    // Ownership is best effort: only root may give a file away, and nobody else needs to.
    if (fchown(fd, existing->st_uid, existing->st_gid) != 0 && geteuid() == 0) return false;
    return fchmod(fd, existing->st_mode & 07777) == 0;
}

bool FillTemporary(int fd, std::string_view content, const struct stat* existing) {
    return WriteAll(fd, content) && TakeOverAttributes(fd, existing) && fsync(fd) == 0;
}

}  // namespace

bool ReplaceFileAtomically(const std::string& nativePath, std::string_view content,
                           const struct stat* existing) {
    SweepStaleTemporaries(nativePath);
    std::string temporary;
    const int fd = CreateTemporary(nativePath, existing != nullptr ? 0600 : 0666, temporary);
    if (fd < 0) return false;
    const bool filled = FillTemporary(fd, content, existing);
    int error = errno;
    // A second descriptor keeps the lock until the rename: closing one would drop it.
    const UniqueFd lock(fcntl(fd, F_DUPFD_CLOEXEC, 0));
    const bool closed = close(fd) == 0;
    if (filled && closed && rename(temporary.c_str(), nativePath.c_str()) == 0) return true;
    if (filled) error = errno;
    unlink(temporary.c_str());
    errno = error;
    return false;
}

}  // namespace zarvik3
