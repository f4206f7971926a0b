#include "platform/posix/posix_file_reader.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "platform/posix/unique_fd.h"

namespace zarvik3 {
namespace {

class PosixFileReader : public FileReader {
  public:
    explicit PosixFileReader(UniqueFd fd) : fd_(std::move(fd)) {}

    std::int64_t Read(char* buffer, std::size_t size) override {
        std::size_t done = 0;
        while (done < size) {
            const ssize_t got = ::read(fd_.Get(), buffer + done, size - done);
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) {
                error_ = errno;
                return -1;
            }
            if (got == 0) break;
            done += static_cast<std::size_t>(got);
        }
        // A file that fills a whole first read is large: a wider read-ahead then pays.
        if (!readBefore_ && done == size)
            (void)posix_fadvise(fd_.Get(), 0, 0, POSIX_FADV_SEQUENTIAL);
        readBefore_ = true;
        return static_cast<std::int64_t>(done);
    }

    std::string Error() const override { return std::strerror(error_); }

  private:
    UniqueFd fd_;
    int error_ = 0;
    bool readBefore_ = false;
};

// Reading a file leaves its access time alone where the system lets this user ask for it.
// Non-blocking, so a FIFO or a terminal put in a file's place reads as empty, never waits; a
// folder fails its first read.
int OpenQuietly(const NativeLocation& location) {
    const int flags = O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
    const int fd = openat(location.Folder(), location.Name(), flags | O_NOATIME);
    if (fd >= 0 || errno != EPERM) return fd;
    return openat(location.Folder(), location.Name(), flags);
}

}  // namespace

std::unique_ptr<FileReader> OpenFileReader(const NativeLocation& location, ReadFrom from,
                                           std::string& failure) {
    UniqueFd fd(location.Valid() ? OpenQuietly(location) : -1);
    if (!fd.Valid()) {
        failure = std::strerror(errno);
        return nullptr;
    }
    // Only clean pages can be dropped: a copy is checked this way once it has been synced.
    if (from == ReadFrom::Disk) (void)posix_fadvise(fd.Get(), 0, 0, POSIX_FADV_DONTNEED);
    return std::make_unique<PosixFileReader>(std::move(fd));
}

}  // namespace zarvik3
