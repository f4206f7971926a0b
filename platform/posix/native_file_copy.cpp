#include "platform/posix/native_file_copy.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "platform/posix/copy_data.h"
#include "platform/posix/part_file_name.h"
#include "platform/posix/unique_fd.h"

namespace zarvik3 {
namespace {

CopyOutcome Failure(int error) {
    return {false, std::generic_category().message(error)};
}

// Removes the temporary file unless the copy got as far as renaming it.
class PartFile {
  public:
    explicit PartFile(std::string path) : path_(std::move(path)) {}
    PartFile(const PartFile&) = delete;
    PartFile& operator=(const PartFile&) = delete;
    ~PartFile() {
        if (!kept_) unlink(path_.c_str());
    }

    // O_EXCL and O_NOFOLLOW: never write through a planted file or link.
    int Create() {
        const int flags = O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC;
        int fd = open(path_.c_str(), flags, 0600);
        if (fd < 0 && errno == EEXIST) {
            // Left by a copy that was killed; this copy takes its place.
            unlink(path_.c_str());
            fd = open(path_.c_str(), flags, 0600);
        }
        return fd;
    }
    const std::string& Path() const { return path_; }
    void Keep() { kept_ = true; }

  private:
    std::string path_;
    bool kept_ = false;
};

std::string PartPathFor(const std::string& destination) {
    const auto slash = destination.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : destination.substr(0, slash + 1);
    const std::string name =
        slash == std::string::npos ? destination : destination.substr(slash + 1);
    return folder + PartFileName(name);
}

CopyOutcome NotRegular(const struct stat& status) {
    return S_ISDIR(status.st_mode) ? Failure(EISDIR) : CopyOutcome{false, "Not a regular file"};
}

// Opens the source only when it is a regular file: opening a FIFO would block, and opening
// a device can have side effects. On failure, -1 and the reason.
int OpenRegularSource(const std::string& source, struct stat& status, CopyOutcome& failure) {
    if (stat(source.c_str(), &status) != 0) {
        failure = Failure(errno);
        return -1;
    }
    if (!S_ISREG(status.st_mode)) {
        failure = NotRegular(status);
        return -1;
    }
    UniqueFd fd(open(source.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (!fd.Valid() || fstat(fd.Get(), &status) != 0) {
        failure = Failure(errno);
        return -1;
    }
    // Swapped for something else since the first look.
    if (!S_ISREG(status.st_mode)) {
        failure = NotRegular(status);
        return -1;
    }
    return fd.Release();
}

// 0 when the destination name may be replaced, else why not.
int CheckDestination(const std::string& destination, const struct stat& source) {
    struct stat status {};
    if (lstat(destination.c_str(), &status) != 0) return errno == ENOENT ? 0 : errno;
    if (S_ISDIR(status.st_mode)) return EISDIR;
    // Replacing a file by its own copy gains nothing and, for a hard link, splits it.
    if (status.st_dev == source.st_dev && status.st_ino == source.st_ino) return EBUSY;
    return 0;
}

// Data, permission bits and times into the open temporary file, which it then closes.
int FillPartFile(UniqueFd& part, int source, const struct stat& status, CopyProgress& progress) {
    const int error = CopyFileData(source, part.Get(), status.st_size, progress);
    if (error != 0) return error;
    if (fchmod(part.Get(), status.st_mode & 07777) != 0) return errno;
    const struct timespec times[2] = {status.st_atim, status.st_mtim};
    if (futimens(part.Get(), times) != 0) return errno;
    // Some file systems report a failed write only here.
    if (close(part.Release()) != 0) return errno;
    return 0;
}

}  // namespace

CopyOutcome CopyNativeFile(const std::string& source, const std::string& destination,
                           CopyProgress& progress) {
    struct stat status {};
    CopyOutcome failure;
    const UniqueFd input(OpenRegularSource(source, status, failure));
    if (!input.Valid()) return failure;
    if (const int error = CheckDestination(destination, status); error != 0) {
        return Failure(error);
    }
    PartFile part(PartPathFor(destination));
    UniqueFd output(part.Create());
    if (!output.Valid()) return Failure(errno);
    const int error = FillPartFile(output, input.Get(), status, progress);
    if (error == ECANCELED) return {false, "cancelled"};
    if (error != 0) return Failure(error);
    if (rename(part.Path().c_str(), destination.c_str()) != 0) return Failure(errno);
    part.Keep();
    return {};
}

}  // namespace zarvik3
