#include "platform/posix/native_file_copy.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <optional>
#include <random>
#include <system_error>

#include "platform/part_file_name.h"
#include "platform/posix/copy_data.h"
#include "platform/posix/native_location.h"

namespace zarvik3 {
namespace {

constexpr int kNameAttempts = 16;

CopyOutcome Failure(int error) {
    return {false, std::generic_category().message(error)};
}

// The temporary file, locked while it is written so that no other run takes it for a
// leftover; removed unless the copy got as far as staging it.
class PartFile {
  public:
    PartFile(const NativeLocation& folder, const std::string& name)
        : location_(folder), name_(name) {}
    PartFile(const PartFile&) = delete;
    PartFile& operator=(const PartFile&) = delete;
    ~PartFile() {
        if (!path_.empty() && !kept_) unlinkat(location_.Folder(), path_.c_str(), 0);
    }

    // O_EXCL and O_NOFOLLOW: never write through a planted file or link. -1 with errno.
    int Create(mode_t mode) {
        std::random_device seed;
        std::mt19937_64 random((static_cast<std::uint64_t>(seed()) << 32) ^ seed());
        const int flags = O_CREAT | O_EXCL | O_RDWR | O_NOFOLLOW | O_CLOEXEC;
        for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
            const std::string path = location_.Sibling(PartFileName(name_, random()));
            const int fd = openat(location_.Folder(), path.c_str(), flags, mode);
            if (fd < 0 && errno == EEXIST) continue;
            if (fd < 0) return -1;
            path_ = path;
            // Taken on a file no one else can know yet, so it cannot be refused.
            flock(fd, LOCK_EX | LOCK_NB);
            return fd;
        }
        return -1;
    }
    // Leaves the file to its caller: its name, seen from the folder.
    std::string Keep() {
        kept_ = true;
        return path_;
    }

  private:
    const NativeLocation& location_;
    std::string name_;
    std::string path_;
    bool kept_ = false;
};

CopyOutcome NotRegular(const struct stat& status) {
    return S_ISDIR(status.st_mode) ? Failure(EISDIR) : CopyOutcome{false, "Not a regular file"};
}

}  // namespace

int OpenRegularSource(const std::string& source, struct stat& status, CopyOutcome& failure) {
    const NativeLocation location(source);
    UniqueFd fd(location.Valid() ? openat(location.Folder(), location.Name(),
                                          O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY)
                                 : -1);
    if (!fd.Valid() || fstat(fd.Get(), &status) != 0) {
        failure = Failure(errno);
        return -1;
    }
    if (!S_ISREG(status.st_mode)) {
        failure = NotRegular(status);
        return -1;
    }
    return fd.Release();
}

namespace {

// 0 when the destination name may be replaced, else why not; exists tells whether anything
// is there now.
int CheckDestination(const NativeLocation& destination, const struct stat& source, bool& exists) {
    exists = false;
    struct stat status {};
    if (fstatat(destination.Folder(), destination.Name(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
        return errno == ENOENT ? 0 : errno;
    }
    exists = true;
    if (S_ISDIR(status.st_mode)) return EISDIR;
    // Replacing a file by its own copy gains nothing and, for a hard link, splits it.
    if (status.st_dev == source.st_dev && status.st_ino == source.st_ino) return EBUSY;
    return 0;
}

// Whether the volume kept the bits just given to the part; asked once per volume and bits,
// as some volumes (exFAT through FUSE) take any bits and keep their own.
void NoteKeptMode(int part, mode_t mode, CopySession& session) {
    const auto key = std::make_pair(session.lastPart.st_dev, mode);
    if (session.modeKept.contains(key)) return;
    struct stat now {};
    session.modeKept[key] = fstat(part, &now) != 0 || (now.st_mode & 07777) == mode;
}

// Root keeps the source's owner and group; anyone else makes copies of their own. The
// set-ID bits stay only on a copy that has the source's owner and group. The part's status
// as it was created is the session's.
int TakeOverOwnerAndMode(int part, const struct stat& source, CopySession& session) {
    const struct stat& made = session.lastPart;
    bool sameOwner = made.st_uid == source.st_uid && made.st_gid == source.st_gid;
    // A volume without owners refuses the change; the copy then is root's.
    if (session.asRoot && !sameOwner) sameOwner = fchown(part, source.st_uid, source.st_gid) == 0;
    mode_t mode = source.st_mode & 07777;
    if (!sameOwner) mode &= ~static_cast<mode_t>(S_ISUID | S_ISGID);
    if (mode == (made.st_mode & 07777)) return 0;
    if (const auto kept = session.modeKept.find({made.st_dev, mode});
        kept != session.modeKept.end() && !kept->second) {
        return 0;
    }
    if (fchmod(part, mode) != 0) return errno;
    NoteKeptMode(part, mode, session);
    return 0;
}

// Whether the copies of this run are made by root.
void TakeUser(CopySession& session) {
    if (session.userKnown) return;
    session.asRoot = geteuid() == 0;
    session.userKnown = true;
}

// The status of a temporary file just made in folder with the bits requested, taken once
// per folder and bits.
int StatusOfNewPart(int part, const std::string& folder, mode_t requested, CopySession& session) {
    if (folder == session.lastFolder && requested == session.lastRequested) return 0;
    if (fstat(part, &session.lastPart) != 0) return errno;
    session.lastFolder = folder;
    session.lastRequested = requested;
    session.written.Note(part, session.lastPart.st_dev);
    return 0;
}

// A file with fewer blocks than its size holds holes.
bool IsSparse(const struct stat& status) {
    return status.st_blocks * 512 < status.st_size;
}

// Data, owner, permission bits and times into the open temporary file.
int FillPartFile(int part, int source, const struct stat& status, CopyProgress& progress,
                 CopySession& session) {
    const int error = CopyFileData(source, part, status.st_size, progress, IsSparse(status));
    if (error != 0) return error;
    if (const int owner = TakeOverOwnerAndMode(part, status, session); owner != 0) {
        return owner;
    }
    const struct timespec times[2] = {status.st_atim, status.st_mtim};
    return futimens(part, times) == 0 ? 0 : errno;
}

// The copy holds one version only if size and last-write time stayed as they began.
bool ChangedSince(int source, const struct stat& start) {
    struct stat now {};
    if (fstat(source, &now) != 0) return true;
    return now.st_size != start.st_size || now.st_mtim.tv_sec != start.st_mtim.tv_sec ||
           now.st_mtim.tv_nsec != start.st_mtim.tv_nsec;
}

// Closes the written file to see the errors some file systems report only then, keeping
// a second descriptor so the lock holds until the file is published.
int CloseKeepingLock(UniqueFd& part, UniqueFd& lock) {
    lock.Reset(fcntl(part.Get(), F_DUPFD_CLOEXEC, 0));
    if (!lock.Valid()) return errno;
    return close(part.Release()) == 0 ? 0 : errno;
}

// Writes the copy whole and checks that it holds one version of the source; empty when it may
// be published. folder: the destination's, ending in '/'. requested: the bits the copy was
// made with. lock: given by the named way,
// which closes its file first to see the errors some file systems report only then, and
// keeps the lock in this second descriptor.
std::optional<CopyOutcome> WriteOneVersion(UniqueFd& output, mode_t requested, int input,
                                           const struct stat& status, CopyProgress& progress,
                                           const std::string& folder, CopySession& session,
                                           UniqueFd* lock) {
    int error = StatusOfNewPart(output.Get(), folder, requested, session);
    if (error == 0) error = FillPartFile(output.Get(), input, status, progress, session);
    if (error == ECANCELED) return CopyOutcome{false, "cancelled"};
    // Where each copy has a sync of its own, that sync reports what a close would.
    if (error == 0 && lock != nullptr) {
        if (session.written.SyncsWhole(session.lastPart.st_dev)) {
            error = CloseKeepingLock(output, *lock);
        } else {
            *lock = std::move(output);
        }
    }
    if (error != 0) return Failure(error);
    if (ChangedSince(input, status)) return CopyOutcome{false, "changed while copied"};
    return std::nullopt;
}

// No one can open an unnamed file, so it may be made with the copy's bits at once, which
// spares changing them; the set-ID bits wait until owner and group are known.
mode_t UnnamedFileMode(const struct stat& source) {
    if ((source.st_mode & (S_ISUID | S_ISGID)) != 0) return 0600;
    return source.st_mode & 0777;
}

// What one file's copy works with.
struct CopyJob {
    const NativeLocation& target;
    const std::string& folder;  // the destination's, ending in '/'
    const std::string& reportAs;
    int input;
    const struct stat& status;
    CopyProgress& progress;
    CopySession& session;
};

// The destination folder held open for the copies staged there; null where the kernel takes
// the names from the current folder.
std::shared_ptr<const UniqueFd> StagingFolder(const CopyJob& job) {
    CopySession& session = job.session;
    if (job.target.Folder() == AT_FDCWD) return nullptr;
    if (!session.stagedFolder || job.folder != session.stagedFolderPath) {
        session.stagedFolder =
            std::make_shared<const UniqueFd>(fcntl(job.target.Folder(), F_DUPFD_CLOEXEC, 0));
        session.stagedFolderPath = job.folder;
    }
    return session.stagedFolder;
}

// Hands a copy written whole to the batch, which names it once its data is on the disk.
// file: the unnamed file, or the lock of the temporary file partName.
CopyOutcome Stage(const CopyJob& job, UniqueFd file, std::string partName, bool freeName) {
    WrittenCopy copy;
    copy.destination = job.reportAs;
    copy.file = std::move(file);
    copy.folder = StagingFolder(job);
    copy.name = job.target.Name();
    copy.partName = std::move(partName);
    copy.freeName = freeName;
    copy.size = static_cast<std::uint64_t>(job.status.st_size);
    copy.device = job.session.lastPart.st_dev;
    job.session.batch.Add(std::move(copy));
    if (job.session.batch.Full()) job.session.batch.NameAll(job.session.written);
    CopyOutcome staged;
    staged.staged = true;
    return staged;
}

// What a volume or a system without unnamed files answers (EISDIR: a kernel that reads the
// flag as O_DIRECTORY).
bool UnnamedFilesUnsupported(int error) {
    return error == EOPNOTSUPP || error == EISDIR || error == EINVAL;
}

// A new unnamed file in the target's folder, made ahead by the pool when making one is dear;
// requested: the bits asked for, updated to those it was made with.
UniqueFd MakeUnnamedFile(const CopyJob& job, bool openFolder, mode_t& requested) {
    CopySession& session = job.session;
    if (openFolder && session.dearFiles) {
        ReadyFile ready = session.ahead.Take(job.target.Folder(), job.folder, requested);
        if (ready.file.Valid()) {
            requested = ready.mode;  // the bits are set right after the data
            session.dearFiles = ready.dear;
            return std::move(ready.file);
        }
    }
    const std::string here = job.target.Sibling(".");
    const auto start = std::chrono::steady_clock::now();
    UniqueFd made(
        openat(job.target.Folder(), here.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, requested));
    session.dearFiles = IsDearToMake(std::chrono::steady_clock::now() - start);
    return made;
}

// A file new at the destination is written unnamed (O_TMPFILE) and named once whole: there
// is no temporary name to make, lock or sweep, and a crash leaves nothing behind. Empty when
// the volume or the system cannot do it; the named way then follows. openFolder: target's
// folder is an open descriptor the pool may make files in ahead.
std::optional<CopyOutcome> CopyAsNewFile(const CopyJob& job, bool openFolder) {
    mode_t requested = UnnamedFileMode(job.status);
    UniqueFd output = MakeUnnamedFile(job, openFolder, requested);
    if (!output.Valid()) {
        if (UnnamedFilesUnsupported(errno)) job.session.unnamedFiles = false;
        return std::nullopt;
    }
    if (auto failed = WriteOneVersion(output, requested, job.input, job.status, job.progress,
                                      job.folder, job.session, nullptr)) {
        return failed;
    }
    return Stage(job, std::move(output), {}, true);
}

// A named temporary file is made with the copy's bits, which mostly spares changing them,
// but never writable by others while it is written, nor set-ID before its owner is known.
mode_t PartFileMode(const struct stat& source) {
    return UnnamedFileMode(source) & ~static_cast<mode_t>(S_IWGRP | S_IWOTH);
}

// The named way: a hidden, locked temporary file, later renamed over the old copy. freeName:
// the name was free a moment ago and must still be.
CopyOutcome CopyThroughPartFile(const CopyJob& job, bool freeName) {
    PartFile part(job.target, job.target.BaseName());
    const mode_t requested = PartFileMode(job.status);
    UniqueFd output(part.Create(requested));
    if (!output.Valid()) return Failure(errno);
    UniqueFd lock;
    if (auto failed = WriteOneVersion(output, requested, job.input, job.status, job.progress,
                                      job.folder, job.session, &lock)) {
        return *failed;
    }
    return Stage(job, std::move(lock), part.Keep(), freeName);
}

}  // namespace

CopyOutcome CopyOpenFile(int input, const struct stat& status, const std::string& destination,
                         CopyProgress& progress, CopySession& session,
                         const DestinationHint& hint) {
    TakeUser(session);
    const std::size_t slash = destination.rfind('/');
    const std::string folder = destination.substr(0, slash + 1);
    const NativeLocation target = hint.folder >= 0
                                      ? NativeLocation(hint.folder, destination.substr(slash + 1))
                                      : NativeLocation(destination);
    if (!target.Valid()) return Failure(errno);
    bool exists = false;
    if (!hint.missing) {
        if (const int error = CheckDestination(target, status, exists); error != 0) {
            return Failure(error);
        }
    }
    const CopyJob job{target, folder, hint.reportAs, input, status, progress, session};
    if (!exists && session.unnamedFiles) {
        if (auto done = CopyAsNewFile(job, hint.folder >= 0)) return *done;
    }
    return CopyThroughPartFile(job, hint.missing);
}

CopyOutcome CopyNativeFile(const std::string& source, const std::string& destination,
                           CopyProgress& progress, CopySession& session,
                           const DestinationHint& hint) {
    struct stat status {};
    CopyOutcome failure;
    const UniqueFd input(OpenRegularSource(source, status, failure));
    if (!input.Valid()) return failure;
    return CopyOpenFile(input.Get(), status, destination, progress, session, hint);
}

}  // namespace zarvik3
