#include "platform/posix/posix_profile_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <system_error>

#include "platform/posix/atomic_replace.h"
#include "platform/posix/profile_text.h"
#include "platform/profile_entry_rules.h"

namespace zarvik3 {

namespace {

// A settings file beyond this is not one; reading it whole would only exhaust memory.
constexpr off_t kMaxProfileBytes = 16 * 1024 * 1024;

// Not an errno: the owner's write bit is missing, which refuses even root.
constexpr int kReadOnlyFile = -1;

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size &&
           a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec &&
           a.st_ctim.tv_sec == b.st_ctim.tv_sec && a.st_ctim.tv_nsec == b.st_ctim.tv_nsec;
}

bool ReadAll(int fd, off_t size, std::string& bytes) {
    bytes.resize(static_cast<std::size_t>(size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = read(fd, bytes.data() + done, bytes.size() - done);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) break;
        done += static_cast<std::size_t>(got);
    }
    bytes.resize(done);
    return true;
}

// Non-blocking open, so a FIFO under the file's name cannot hang the program. Returns 0 or
// the reason the file cannot serve as a profile file.
int ReadRegularFile(const std::string& path, struct stat& status, std::string& bytes) {
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno;
    int error = 0;
    if (fstat(fd, &status) != 0) {
        error = errno;
    } else if (S_ISDIR(status.st_mode)) {
        error = EISDIR;
    } else if (!S_ISREG(status.st_mode)) {
        error = EINVAL;
    } else if (status.st_size > kMaxProfileBytes) {
        error = EFBIG;
    } else if (!ReadAll(fd, status.st_size, bytes)) {
        error = errno;
    }
    close(fd);
    return error;
}

std::string SystemReason(int error) {
    if (error == kReadOnlyFile) return "The file is read-only";
    // EINVAL's own text says nothing useful here: it stands for a FIFO, socket or device.
    if (error == EINVAL) return "Not a regular file";
    return std::generic_category().message(error);
}

// A link is written through to its target, so the link itself survives the rename.
std::optional<std::string> ResolveLink(const std::string& path) {
    struct stat status;
    if (lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return path;
    char resolved[PATH_MAX];
    if (realpath(path.c_str(), resolved) == nullptr) return std::nullopt;
    return std::string(resolved);
}

// The read-only attribute is the owner's missing write bit; access() adds what the
// process itself may not do. Returns 0, kReadOnlyFile or the errno.
int WriteRefusal(const std::string& path, const struct stat& status) {
    if ((status.st_mode & S_IWUSR) == 0) return kReadOnlyFile;
    return access(path.c_str(), W_OK) == 0 ? 0 : errno;
}

}  // namespace

PosixProfileFile::PosixProfileFile(std::shared_ptr<const DriveMap> drives)
    : drives_(std::move(drives)) {}

std::optional<std::string> PosixProfileFile::NativePath(const std::string& path) const {
    if (drives_ == nullptr) return path.empty() ? std::nullopt : std::optional(path);
    return drives_->ToNative(path);
}

const PosixProfileFile::CachedFile* PosixProfileFile::Load(const std::string& nativePath,
                                                           FileState& state, int& error) {
    struct stat now;
    if (stat(nativePath.c_str(), &now) != 0) {
        error = errno;
        cache_.erase(nativePath);
        state = error == ENOENT || error == ENOTDIR ? FileState::Missing : FileState::Unusable;
        return nullptr;
    }
    const auto cached = cache_.find(nativePath);
    if (cached != cache_.end() && SameFile(cached->second.status, now)) {
        state = FileState::Readable;
        return &cached->second;
    }
    CachedFile fresh;
    std::string bytes;
    error = ReadRegularFile(nativePath, fresh.status, bytes);
    if (error != 0) {
        cache_.erase(nativePath);
        state = FileState::Unusable;
        return nullptr;
    }
    fresh.document = IniDocument::Parse(bytes);
    state = FileState::Readable;
    return &(cache_[nativePath] = std::move(fresh));
}

std::string PosixProfileFile::GetString(const std::string& path, const std::string& section,
                                        const std::string& key, const std::string& defaultValue,
                                        std::size_t bufferSize) {
    std::optional<std::string> stored;
    if (const auto native = NativePath(path)) {
        FileState state;
        int ignored = 0;
        if (const CachedFile* file = Load(*native, state, ignored)) {
            stored = file->document.Find(section, key);
        }
    }
    const std::string value = stored ? StripQuotePair(*stored) : TrimTrailingBlanks(defaultValue);
    return CutToBuffer(value, bufferSize);
}

bool PosixProfileFile::WriteString(const std::string* section, const std::string* key,
                                   const std::string* value, const std::string& path) {
    if (section == nullptr && key == nullptr && value == nullptr) {
        cache_.clear();
        return true;
    }
    failure_ = {};
    const auto native = NativePath(path);
    if (!native) return Refuse("", "No drive letter maps " + path);
    if (section == nullptr) return Refuse(*native, std::generic_category().message(EINVAL));
    if (auto refusal = ProfileEntryRefusal(*section, key, value)) {
        return Refuse(*native, std::move(*refusal));
    }
    const auto target = ResolveLink(*native);
    if (!target) return RefuseWithErrno(*native, errno);
    return Store(*target, *section, key, value);
}

bool PosixProfileFile::Refuse(const std::string& nativePath, std::string reason) {
    failure_ = {nativePath, std::move(reason)};
    return false;
}

bool PosixProfileFile::RefuseWithErrno(const std::string& nativePath, int error) {
    return Refuse(nativePath, SystemReason(error));
}

bool PosixProfileFile::Store(const std::string& nativePath, const std::string& section,
                             const std::string* key, const std::string* value) {
    FileState state;
    int error = 0;
    const CachedFile* file = Load(nativePath, state, error);
    if (state == FileState::Unusable) return RefuseWithErrno(nativePath, error);
    if (file != nullptr && (error = WriteRefusal(nativePath, file->status)) != 0) {
        return RefuseWithErrno(nativePath, error);
    }
    IniDocument document = file != nullptr ? file->document : IniDocument();
    const bool changed = key == nullptr     ? document.DeleteSection(section)
                         : value == nullptr ? document.DeleteKey(section, *key)
                                            : document.Set(section, *key, *value);
    if (!changed) return true;
    const bool written =
        ReplaceFileAtomically(nativePath, document.Text(), file ? &file->status : nullptr);
    if (!written) RefuseWithErrno(nativePath, errno);
    CachedFile updated;
    if (!written || stat(nativePath.c_str(), &updated.status) != 0) {
        cache_.erase(nativePath);
        return written;
    }
    updated.document = std::move(document);
    cache_[nativePath] = std::move(updated);
    return true;
}

}  // namespace zarvik3
