#include "platform/posix/posix_profile_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "platform/posix/atomic_replace.h"
#include "platform/posix/profile_text.h"

namespace zarvik3 {

namespace {

// A settings file beyond this is not one; reading it whole would only exhaust memory.
constexpr off_t kMaxProfileBytes = 16 * 1024 * 1024;

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

// Non-blocking open, so a FIFO under the file's name cannot hang the program.
bool ReadRegularFile(const std::string& path, struct stat& status, std::string& bytes) {
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = fstat(fd, &status) == 0 && S_ISREG(status.st_mode) &&
                    status.st_size <= kMaxProfileBytes && ReadAll(fd, status.st_size, bytes);
    close(fd);
    return ok;
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
// process itself may not do.
bool MayWrite(const std::string& path, const struct stat& status) {
    return (status.st_mode & S_IWUSR) != 0 && access(path.c_str(), W_OK) == 0;
}

}  // namespace

PosixProfileFile::PosixProfileFile(std::shared_ptr<const DriveMap> drives)
    : drives_(std::move(drives)) {}

std::optional<std::string> PosixProfileFile::NativePath(const std::string& path) const {
    if (drives_ == nullptr) return path.empty() ? std::nullopt : std::optional(path);
    return drives_->ToNative(path);
}

const PosixProfileFile::CachedFile* PosixProfileFile::Load(const std::string& nativePath,
                                                           FileState& state) {
    struct stat now;
    if (stat(nativePath.c_str(), &now) != 0) {
        cache_.erase(nativePath);
        state = errno == ENOENT || errno == ENOTDIR ? FileState::Missing : FileState::Unusable;
        return nullptr;
    }
    const auto cached = cache_.find(nativePath);
    if (cached != cache_.end() && SameFile(cached->second.status, now)) {
        state = FileState::Readable;
        return &cached->second;
    }
    CachedFile fresh;
    std::string bytes;
    if (!ReadRegularFile(nativePath, fresh.status, bytes)) {
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
        if (const CachedFile* file = Load(*native, state)) {
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
    if (section == nullptr || !IsStorableEntry(*section, key, value)) return false;
    const auto native = NativePath(path);
    if (!native) return false;
    const auto target = ResolveLink(*native);
    return target && Store(*target, *section, key, value);
}

bool PosixProfileFile::Store(const std::string& nativePath, const std::string& section,
                             const std::string* key, const std::string* value) {
    FileState state;
    const CachedFile* file = Load(nativePath, state);
    if (state == FileState::Unusable) return false;
    if (file != nullptr && !MayWrite(nativePath, file->status)) return false;
    IniDocument document = file != nullptr ? file->document : IniDocument();
    const bool changed = key == nullptr     ? document.DeleteSection(section)
                         : value == nullptr ? document.DeleteKey(section, *key)
                                            : document.Set(section, *key, *value);
    if (!changed) return true;
    const bool written =
        ReplaceFileAtomically(nativePath, document.Text(), file ? &file->status : nullptr);
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
