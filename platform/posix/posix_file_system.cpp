#include "platform/posix/posix_file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <utility>

#include "platform/name_pattern.h"
#include "platform/posix/native_file_copy.h"
#include "platform/posix/native_time.h"
#include "platform/posix/posix_dir_enumeration.h"
#include "platform/posix/unique_fd.h"

namespace zarvik3 {
namespace {

// Every open enumeration holds a descriptor, and a deep tree keeps one open per level.
// An unlimited hard limit may still be refused above the kernel's ceiling: then ask less.
void RaiseOpenFileLimit() {
    struct rlimit limit {};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0) return;
    const rlim_t current = limit.rlim_cur;
    for (rlim_t wanted = limit.rlim_max; wanted > current; wanted /= 2) {
        limit.rlim_cur = wanted;
        if (setrlimit(RLIMIT_NOFILE, &limit) == 0) return;
    }
}

std::optional<struct stat> StatusOf(const std::optional<std::string>& path) {
    struct stat status {};
    if (!path || stat(path->c_str(), &status) != 0) return std::nullopt;
    return status;
}

// A folder that is simply not there (gone since it was listed, or never made) is no
// failure; everything else keeps the system's reason.
void NoteOpenFailure(int error, std::string& failure) {
    if (error != ENOENT && error != ENOTDIR) failure = std::strerror(error);
}

}  // namespace

PosixFileSystem::PosixFileSystem(std::shared_ptr<const DriveMap> drives)
    : drives_(std::move(drives)), utcOffset_(CurrentUtcOffset()) {
    RaiseOpenFileLimit();
}

PosixFileSystem::PosixFileSystem(const DriveMap& drives)
    : PosixFileSystem(std::make_shared<const DriveMap>(drives)) {}

void PosixFileSystem::Refresh() {
    tzset();  // the system's zone may have been set anew since the last run
    utcOffset_ = CurrentUtcOffset();
}

std::optional<std::string> PosixFileSystem::Native(const std::string& folderText) const {
    if (!drives_) return std::nullopt;
    return drives_->ToNative(folderText);
}

std::unique_ptr<DirEnumeration> PosixFileSystem::FindFirst(const std::string& pattern,
                                                           std::uint32_t filter, EntryDetail detail,
                                                           std::string& failure) {
    failure.clear();
    const auto cut = pattern.find_last_of('\\');
    if (cut == std::string::npos || cut + 1 == pattern.size()) return nullptr;
    const auto folder = Native(pattern.substr(0, cut));
    if (!folder) return nullptr;
    UniqueFd fd(open(folder->c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    struct stat status {};
    if (!fd.Valid() || fstat(fd.Get(), &status) != 0) {
        NoteOpenFailure(errno, failure);
        return nullptr;
    }
    DIR* dir = fdopendir(fd.Get());
    if (dir == nullptr) {
        NoteOpenFailure(errno, failure);
        return nullptr;
    }
    const EntrySource source{fd.Release(), status.st_dev, utcOffset_, detail};
    auto enumeration = std::make_unique<PosixDirEnumeration>(
        dir, source, NamePattern(pattern.substr(cut + 1)), filter);
    if (enumeration->Prime()) return enumeration;
    failure = enumeration->ReadError();
    return nullptr;
}

FileStamp PosixFileSystem::FileAge(const std::string& path) {
    const auto status = StatusOf(Native(path));
    if (!status || S_ISDIR(status->st_mode)) return kNoFile;
    return StampOfNativeTime(status->st_mtim.tv_sec, utcOffset_);
}

bool PosixFileSystem::DirectoryExists(const std::string& path) {
    const auto status = StatusOf(Native(path));
    return status && S_ISDIR(status->st_mode);
}

bool PosixFileSystem::CreateDirectory(const std::string& path) {
    const auto native = Native(path);
    return native && mkdir(native->c_str(), 0777) == 0;
}

CopyOutcome PosixFileSystem::CopyFile(const std::string& source, const std::string& destination,
                                      CopyProgress& progress) {
    const auto from = Native(source);
    const auto to = Native(destination);
    if (!from || !to) return {false, "No folder is mapped to that drive"};
    return CopyNativeFile(*from, *to, progress);
}

bool PosixFileSystem::SameFolder(const std::string& a, const std::string& b) {
    const auto first = StatusOf(Native(a));
    const auto second = StatusOf(Native(b));
    return first && second && S_ISDIR(first->st_mode) && S_ISDIR(second->st_mode) &&
           first->st_dev == second->st_dev && first->st_ino == second->st_ino;
}

bool PosixFileSystem::SetCurrentDirectory(const std::string& path) {
    const auto native = Native(path);
    return native && chdir(native->c_str()) == 0;
}

}  // namespace zarvik3
