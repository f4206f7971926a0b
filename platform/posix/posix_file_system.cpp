#include "platform/posix/posix_file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <future>
#include <system_error>
#include <utility>

#include "platform/part_file_name.h"
#include "platform/posix/leftover_sweep.h"
#include "platform/posix/look_ahead.h"
#include "platform/posix/name_pattern.h"
#include "platform/posix/native_file_copy.h"
#include "platform/posix/native_location.h"
#include "platform/posix/native_time.h"
#include "platform/posix/posix_dir_enumeration.h"
#include "platform/posix/posix_file_reader.h"
#include "platform/posix/time_resolution.h"
#include "platform/posix/unique_fd.h"
#include "platform/posix/written_volumes.h"

namespace zarvik3 {
namespace {

constexpr const char* kNotMapped = "No folder is mapped to that drive";
// Larger files are copied by the walk itself, which shows their progress and stops them on
// Cancel; smaller ones take no longer than one step of such a copy.
constexpr off_t kHandedSize = 1 << 20;
// Look-ups at once where each is a round trip.
constexpr std::size_t kLookingAhead = 8;

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
    if (!path) return std::nullopt;
    const NativeLocation location(*path);
    if (!location.Valid() || fstatat(location.Folder(), location.Name(), &status, 0) != 0) {
        return std::nullopt;
    }
    return status;
}

std::optional<struct stat> StatusFollowing(int folder, const char* name, bool& nameFree) {
    const LookedUp found = LookUp(folder, name);
    nameFree = found.nameFree;
    return found.status;
}

// A folder that is simply not there (gone since it was listed, or never made) is no
// failure; everything else keeps the system's reason.
void NoteOpenFailure(int error, std::string& failure) {
    if (error != ENOENT && error != ENOTDIR) failure = std::strerror(error);
}

int OpenFolder(const std::string& path, int how = O_RDONLY) {
    const NativeLocation location(path);
    if (!location.Valid()) return -1;
    return openat(location.Folder(), location.Name(), how | O_DIRECTORY | O_CLOEXEC);
}

// The destination folder the walk visits is only a place to name files from: held as a path
// alone, so a network or FUSE volume is not asked to open it.
int OpenVisitedFolder(const std::string& path) {
    return OpenFolder(path, O_PATH);
}

// A new folder is made private, then given the bits (and, for root, the owner) of its
// model, so it is never more open than the source folder, not even for a moment.
int MakeFolderLike(const std::string& path, const std::optional<struct stat>& model) {
    const NativeLocation location(path);
    if (!location.Valid()) return errno;
    if (mkdirat(location.Folder(), location.Name(), 0700) != 0) return errno;
    if (!model) return 0;
    const UniqueFd fd(openat(location.Folder(), location.Name(),
                             O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!fd.Valid()) return errno;
    struct stat status = *model;
    if (geteuid() == 0) (void)!fchown(fd.Get(), model->st_uid, model->st_gid);
    mode_t mode = model->st_mode & 07777;
    if (fstat(fd.Get(), &status) == 0 &&
        (status.st_uid != model->st_uid || status.st_gid != model->st_gid)) {
        mode &= ~static_cast<mode_t>(S_ISUID | S_ISGID);
    }
    return fchmod(fd.Get(), mode) == 0 ? 0 : errno;
}

CopyOutcome Outcome(int error) {
    if (error == 0) return {};
    return {false, std::generic_category().message(error)};
}

}  // namespace

PosixFileSystem::PosixFileSystem(std::shared_ptr<const DriveMap> drives)
    : drives_(std::move(drives)), utcOffset_(CurrentUtcOffset()) {
    RaiseOpenFileLimit();
}

PosixFileSystem::PosixFileSystem(const DriveMap& drives)
    : PosixFileSystem(std::make_shared<const DriveMap>(drives)) {}

void PosixFileSystem::Refresh() {
    copies_.Restart();  // a run is made by the user it runs as
    workers_.Restart();
    roundTrips_.reset();
    ForgetVisitedFolder();  // the drive letters may name other volumes now
    tzset();                // the system's zone may have been set anew since the last run
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
    UniqueFd fd(OpenFolder(*folder));
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

DestinationState PosixFileSystem::StateOf(const std::string& path) {
    DestinationState state;
    std::optional<std::string> native;
    std::optional<struct stat> status;
    bool nameFree = false;
    const auto name = NameInVisitedFolder(path);
    if (name && visitedFolderMadeNow_) {
        // Nothing was there when the walk had the folder made; a file another writer has put
        // there since is kept, as the copy is linked in only under a free name.
        missingTarget_ = path;
        return state;
    }
    if (name) {
        // The walk asks for every file of the folder it visits: spare each the mapping of
        // its whole folder text.
        const std::string plain(*name);
        const auto found = lookAhead_.Take(plain);
        const LookedUp looked = found ? *found : LookUp(visitedFolder_.Get(), plain.c_str());
        status = looked.status;
        nameFree = looked.nameFree;
    } else {
        native = Native(path);
        if (native) status = StatusInVisitedFolder(*native, nameFree);
    }
    missingTarget_ = nameFree ? path : std::string();
    if (!status || S_ISDIR(status->st_mode)) return state;
    state.stamp = StampOfNativeTime(status->st_mtim.tv_sec, utcOffset_);
    state.fineTime = {status->st_mtim.tv_sec, status->st_mtim.tv_nsec};
    state.size = static_cast<std::uint64_t>(status->st_size);
    state.regular = S_ISREG(status->st_mode);
    const auto known = resolutions_.find(status->st_dev);
    state.resolution =
        known != resolutions_.end()
            ? known->second
            : ResolutionOf(native ? *native : Native(path).value_or(""), status->st_dev);
    return state;
}

// A plain name directly in the visited folder, spelt with that folder's own text; anything
// the mapping would have to resolve ("..", a separator, a NUL) takes the long way.
std::optional<std::string_view> PosixFileSystem::NameInVisitedFolder(
    const std::string& path) const {
    if (!visitedFolder_.Valid() || visitedText_.empty() || !path.starts_with(visitedText_)) {
        return std::nullopt;
    }
    const std::string_view name = std::string_view(path).substr(visitedText_.size());
    if (name.empty() || name == "." || name == ".." ||
        name.find_first_of(std::string_view("\\/\0", 3)) != std::string_view::npos) {
        return std::nullopt;
    }
    return name;
}

void PosixFileSystem::ForgetVisitedFolder() {
    FinishSweep();
    visitedFolder_.Reset();
    lookAhead_.Forget();
    sharedVisited_.reset();
    visitedFolderMadeNow_ = false;
    visitedPath_.clear();
    visitedText_.clear();
}

// A name in the folder swept last is looked up from that folder's descriptor, which spares
// the kernel walking the whole path again for each file of a rescan.
std::optional<struct stat> PosixFileSystem::StatusInVisitedFolder(const std::string& native,
                                                                  bool& nameFree) {
    const std::size_t slash = native.rfind('/');
    if (visitedFolder_.Valid() && slash == visitedPath_.size() &&
        native.compare(0, slash, visitedPath_) == 0) {
        return StatusFollowing(visitedFolder_.Get(), native.c_str() + slash + 1, nameFree);
    }
    const NativeLocation location(native);
    nameFree = false;
    if (!location.Valid()) return std::nullopt;
    return StatusFollowing(location.Folder(), location.Name(), nameFree);
}

// Asked once per volume: a status call of the volume per file would slow a rescan.
std::int64_t PosixFileSystem::ResolutionOf(const std::string& native, dev_t device) {
    if (const auto known = resolutions_.find(device); known != resolutions_.end()) {
        return known->second;
    }
    const NativeLocation location(native);
    const UniqueFd fd(location.Valid() ? openat(location.Folder(), location.Name(),
                                                O_PATH | O_NOFOLLOW | O_CLOEXEC)
                                       : -1);
    struct statfs volume {};
    if (!fd.Valid() || fstatfs(fd.Get(), &volume) != 0) return 0;
    const std::int64_t resolution =
        TimeResolutionOfMagic(static_cast<std::uint32_t>(volume.f_type));
    resolutions_.emplace(device, resolution);
    return resolution;
}

CopyOutcome PosixFileSystem::CreateDirectory(const std::string& path, const std::string& like) {
    const auto native = Native(path);
    if (!native) return {false, kNotMapped};
    const auto model = like.empty() ? std::nullopt : StatusOf(Native(like));
    const int error =
        MakeFolderLike(*native, model && S_ISDIR(model->st_mode) ? model : std::nullopt);
    // The walk asks next for the files of the folder it has just had made.
    if (error == 0 && *native == visitedPath_ && !visitedFolder_.Valid()) {
        visitedFolder_.Reset(OpenVisitedFolder(*native));
        visitedFolderMadeNow_ = visitedFolder_.Valid();
    }
    return Outcome(error);
}

CopyOutcome PosixFileSystem::CopyFile(const std::string& source, const std::string& destination,
                                      CopyProgress& progress) {
    const auto from = Native(source);
    const auto to = Native(destination);
    if (!from || !to) return {false, kNotMapped};
    DestinationHint hint;
    hint.missing = destination == missingTarget_;
    hint.reportAs = destination;
    missingTarget_.clear();
    // Within the visited folder the kernel need not walk the whole path again.
    if (!NameInVisitedFolder(destination))
        return CopyNativeFile(*from, *to, progress, copies_, hint);
    hint.folder = visitedFolder_.Get();
    if (!VisitedFolderTakesRoundTrips()) return CopyNativeFile(*from, *to, progress, copies_, hint);
    FinishSweep();
    struct stat status {};
    CopyOutcome failure;
    UniqueFd input(OpenRegularSource(*from, status, failure));
    if (!input.Valid()) return failure;
    if (status.st_size > kHandedSize) {
        return CopyOpenFile(input.Get(), status, *to, progress, copies_, hint);
    }
    auto folder = SharedVisitedFolder();
    if (!folder->Valid()) return Outcome(errno);
    workers_.Hand({std::move(input), status, std::move(folder), *to, hint.missing, destination});
    CopyOutcome handed;
    handed.staged = true;
    return handed;
}

// The visited folder, held open by what works in it on other threads.
std::shared_ptr<const UniqueFd> PosixFileSystem::SharedVisitedFolder() {
    if (!sharedVisited_) {
        sharedVisited_ =
            std::make_shared<const UniqueFd>(fcntl(visitedFolder_.Get(), F_DUPFD_CLOEXEC, 0));
    }
    return sharedVisited_;
}

void PosixFileSystem::Expect(const std::vector<std::string>& paths) {
    if (!visitedFolder_.Valid() || visitedFolderMadeNow_) return;
    std::vector<std::string> names;
    for (const std::string& path : paths) {
        if (const auto name = NameInVisitedFolder(path)) names.emplace_back(*name);
    }
    auto folder = SharedVisitedFolder();
    const std::size_t threads = VisitedFolderTakesRoundTrips() ? kLookingAhead : 1;
    if (folder->Valid()) lookAhead_.Ask(std::move(folder), std::move(names), threads);
}

// Whether each step of a copy into the visited folder is a round trip to a server or a FUSE
// driver. Asked once per run, of the first destination folder visited, as asking costs a
// round trip itself: a volume mounted inside the destination tree is then only copied to at
// another pace, as safely, since each copy's sync follows its own volume.
bool PosixFileSystem::VisitedFolderTakesRoundTrips() {
    if (!roundTrips_) {
        struct statfs volume {};
        roundTrips_ = fstatfs(visitedFolder_.Get(), &volume) == 0 &&
                      !SyncsWholeVolume(static_cast<std::uint32_t>(volume.f_type));
    }
    return *roundTrips_;
}

void PosixFileSystem::EnterFolder(const std::string& folder) {
    ForgetVisitedFolder();
    const auto native = Native(folder);
    if (!native) return;
    visitedFolder_.Reset(OpenVisitedFolder(*native));
    visitedPath_ = *native;
    visitedText_ = folder;
    if (!visitedText_.ends_with('\\')) visitedText_ += '\\';
}

// Where each step is a round trip the sweep reads the folder while the walk looks at its
// files; the first copy into the folder waits for it, so that it never meets a temporary file
// of this run before its lock is taken.
void PosixFileSystem::SweepLeftovers(const std::string& folder) {
    EnterFolder(folder);
    if (!visitedFolder_.Valid()) return;
    if (!VisitedFolderTakesRoundTrips()) {
        return zarvik3::SweepLeftovers(visitedFolder_.Get(), IsPartFileName);
    }
    sweep_ = std::async(std::launch::async, [folder = SharedVisitedFolder()] {
        zarvik3::SweepLeftovers(folder->Get(), IsPartFileName);
    });
}

void PosixFileSystem::FinishSweep() {
    if (sweep_.valid()) sweep_.get();
}

bool PosixFileSystem::MarkOutdated(const std::string& path) {
    const auto native = Native(path);
    if (!native) return false;
    const struct timespec times[2] = {{0, UTIME_OMIT}, {kOldestKeptTime, 0}};
    return utimensat(AT_FDCWD, native->c_str(), times, AT_SYMLINK_NOFOLLOW) == 0;
}

std::unique_ptr<FileReader> PosixFileSystem::OpenRead(const std::string& path, ReadFrom from,
                                                      std::string& failure) {
    if (const auto name = NameInVisitedFolder(path)) {
        return OpenFileReader(NativeLocation(visitedFolder_.Get(), std::string(*name)), from,
                              failure);
    }
    const auto native = Native(path);
    if (!native) {
        failure = kNotMapped;
        return nullptr;
    }
    return OpenFileReader(NativeLocation(*native), from, failure);
}

std::vector<NamedCopy> PosixFileSystem::TakeNamed() {
    std::vector<NamedCopy> named = copies_.batch.TakeNamed();
    for (NamedCopy& copy : workers_.TakeNamed()) named.push_back(std::move(copy));
    return named;
}

CopyOutcome PosixFileSystem::Flush() {
    ForgetVisitedFolder();
    const int handed = workers_.Sync();
    const int own = copies_.Sync();
    return Outcome(handed != 0 ? handed : own);
}

bool PosixFileSystem::SameFolder(const std::string& a, const std::string& b) {
    const auto first = StatusOf(Native(a));
    const auto second = StatusOf(Native(b));
    return first && second && S_ISDIR(first->st_mode) && S_ISDIR(second->st_mode) &&
           first->st_dev == second->st_dev && first->st_ino == second->st_ino;
}

bool PosixFileSystem::SetCurrentDirectory(const std::string& path) {
    const auto native = Native(path);
    if (!native) return false;
    const UniqueFd fd(OpenFolder(*native));
    return fd.Valid() && fchdir(fd.Get()) == 0;
}

}  // namespace zarvik3
