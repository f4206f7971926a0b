#include "platform/posix/copy_data.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstddef>
#include <vector>

namespace zarvik3 {
namespace {

constexpr std::size_t kMinKernelChunk = 1024 * 1024;
constexpr std::size_t kMaxKernelChunk = 256 * 1024 * 1024;
constexpr std::size_t kFirstKernelChunk = 4 * 1024 * 1024;
constexpr std::size_t kBufferSize = 256 * 1024;
constexpr ssize_t kWriteBehindFrom = 4 * 1024 * 1024;
// Well inside the 50 ms between two looks at the progress, with few calls per gigabyte.
constexpr auto kChunkTarget = std::chrono::milliseconds(30);

bool KernelCopyUnsupported(int error) {
    return error == EXDEV || error == ENOSYS || error == EINVAL || error == EOPNOTSUPP ||
           error == EPERM;
}

// Keeps each chunk short enough for a prompt stop, long enough for few system calls.
std::size_t NextChunkSize(std::size_t chunk, std::chrono::steady_clock::duration took) {
    if (took < kChunkTarget / 2 && chunk < kMaxKernelChunk) return chunk * 2;
    if (took > kChunkTarget && chunk > kMinKernelChunk) return chunk / 2;
    return chunk;
}

// Bytes moved, 0 at the end of the source, -1 with errno set.
ssize_t CopyThroughBuffer(int source, int target, off_t offset, std::vector<char>& buffer) {
    buffer.resize(kBufferSize);
    ssize_t got = 0;
    do {
        got = pread(source, buffer.data(), buffer.size(), offset);
    } while (got < 0 && errno == EINTR);
    for (ssize_t written = 0; written < got;) {
        const ssize_t put = pwrite(target, buffer.data() + written,
                                   static_cast<std::size_t>(got - written), offset + written);
        if (put < 0 && errno == EINTR) continue;
        if (put < 0) return -1;
        written += put;
    }
    return got;
}

// Starts writing a large chunk to the disk while the next one is copied, so that the sync
// at the end of the run finds little left to write; small files are left to that sync,
// which writes them in one go.
void WriteBehind(int target, off_t offset, ssize_t moved) {
    if (moved >= kWriteBehindFrom) {
        (void)!sync_file_range(target, offset, moved, SYNC_FILE_RANGE_WRITE);
    }
}

class DataCopier {
  public:
    // Copies the bytes from begin to end (end 0: to the real end of the source).
    DataCopier(int source, int target, off_t begin, off_t end)
        : source_(source), target_(target), size_(end), offset_(begin) {}

    // Bytes moved, 0 at the end of the source, -1 with errno set.
    ssize_t Step() {
        if (!kernelCopy_) return CopyThroughBuffer(source_, target_, offset_, buffer_);
        const auto start = std::chrono::steady_clock::now();
        off_t in = offset_;
        off_t out = offset_;
        const ssize_t moved = copy_file_range(source_, &in, target_, &out, ChunkLimit(), 0);
        if (moved < 0 && errno == EINTR) return Step();
        // Some file systems report an early end here; the plain read confirms the real one.
        if (moved == 0 || (moved < 0 && KernelCopyUnsupported(errno))) {
            kernelCopy_ = false;
            return Step();
        }
        chunk_ = NextChunkSize(chunk_, std::chrono::steady_clock::now() - start);
        return moved;
    }
    void Advance(ssize_t moved) {
        WriteBehind(target_, offset_, moved);
        offset_ += moved;
    }
    // The size seen when the copy began is taken as the end, which saves a call per file;
    // a file that claims no size (as some pseudo files do) is read to its real end.
    bool Done() const { return size_ > 0 && offset_ >= size_; }

  private:
    int source_;
    int target_;
    std::size_t ChunkLimit() const {
        if (size_ <= offset_) return chunk_;
        const auto left = static_cast<std::size_t>(size_ - offset_);
        return left < chunk_ ? left : chunk_;
    }

    off_t size_;
    off_t offset_;
    bool kernelCopy_ = true;
    std::size_t chunk_ = kFirstKernelChunk;
    std::vector<char> buffer_;
};

}  // namespace

namespace {

int CopyRange(int source, int target, off_t begin, off_t end, CopyProgress& progress) {
    DataCopier copier(source, target, begin, end);
    for (;;) {
        const ssize_t moved = copier.Step();
        if (moved < 0) return errno;
        if (moved == 0) return 0;
        copier.Advance(moved);
        progress.Moved(static_cast<std::uint64_t>(moved));
        if (copier.Done()) return 0;
        if (!progress.KeepGoing()) return ECANCELED;
    }
}

// Copies only the data extents, so holes stay holes; the size is set at the end, which
// also keeps a hole at the end of the file.
int CopyExtents(int source, int target, off_t size, CopyProgress& progress) {
    for (off_t offset = 0; offset < size;) {
        const off_t data = lseek(source, offset, SEEK_DATA);
        if (data < 0) break;  // ENXIO: nothing but a hole is left
        off_t hole = lseek(source, data, SEEK_HOLE);
        if (hole < 0 || hole > size) hole = size;
        if (const int error = CopyRange(source, target, data, hole, progress); error != 0) {
            return error;
        }
        offset = hole;
        if (offset < size && !progress.KeepGoing()) return ECANCELED;
    }
    return ftruncate(target, size) == 0 ? 0 : errno;
}

}  // namespace

int CopyFileData(int source, int target, off_t size, CopyProgress& progress, bool sparse) {
    if (!sparse || size == 0) return CopyRange(source, target, 0, size, progress);
    // A file system without extent queries answers SEEK_DATA with the whole file as data.
    return CopyExtents(source, target, size, progress);
}

}  // namespace zarvik3
