#include "platform/posix/native_location.h"

#include <limits.h>

#include <cerrno>

namespace zarvik3 {
namespace {

// Below the kernel's limit, which counts the terminating zero.
constexpr std::size_t kPieceLimit = PATH_MAX - 1;

// Where the piece starting at start ends: the last '/' that keeps it short enough.
std::size_t PieceEnd(const std::string& folder, std::size_t start) {
    if (folder.size() - start <= kPieceLimit) return folder.size();
    const std::size_t cut = folder.rfind('/', start + kPieceLimit);
    return cut == std::string::npos || cut <= start ? std::string::npos : cut;
}

}  // namespace

NativeLocation::NativeLocation(const std::string& path) {
    if (path.size() <= kPieceLimit) {
        name_ = path;
        const std::size_t slash = path.rfind('/');
        prefix_ = slash == std::string::npos ? 0 : slash + 1;
        return;
    }
    const std::size_t slash = path.rfind('/');
    name_ = path.substr(slash + 1);
    const std::string folder = path.substr(0, slash + 1);
    for (std::size_t start = 0; start < folder.size();) {
        const std::size_t end = PieceEnd(folder, start);
        if (end == std::string::npos) {
            errno = ENAMETOOLONG;
            valid_ = false;
            return;
        }
        const std::string piece = folder.substr(start, end - start);
        const int from = folder_.Valid() ? folder_.Get() : AT_FDCWD;
        const int next = openat(from, piece.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (next < 0) {
            valid_ = false;
            return;
        }
        folder_.Reset(next);
        start = end + 1;  // the next piece is relative: no leading slash
    }
}

}  // namespace zarvik3
