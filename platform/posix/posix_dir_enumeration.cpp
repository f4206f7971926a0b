#include "platform/posix/posix_dir_enumeration.h"

#include <cerrno>
#include <cstring>
#include <utility>

namespace zarvik3 {

PosixDirEnumeration::PosixDirEnumeration(DIR* folder, const EntrySource& source,
                                         NamePattern pattern, std::uint32_t filter)
    : folder_(folder),
      source_(source),
      pattern_(std::move(pattern)),
      passedOverBits_((kAttrHidden | kAttrSystem | kAttrVolumeLabel | kAttrDirectory) & ~filter) {}

bool PosixDirEnumeration::Prime() {
    DirEntry first;
    if (!ReadDeliverable(first)) return false;
    pending_ = std::move(first);
    return true;
}

bool PosixDirEnumeration::Next(DirEntry& entry) {
    if (pending_) {
        entry = std::move(*pending_);
        pending_.reset();
        return true;
    }
    return ReadDeliverable(entry);
}

// Decided before any status call, which most entries of a large folder then never need.
bool PosixDirEnumeration::PassedOverByName(const char* name) const {
    if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0) return true;
    if (name[0] == '.' && (passedOverBits_ & kAttrHidden) != 0) return true;
    return !pattern_.MatchesEverything() && !pattern_.Matches(name);
}

bool PosixDirEnumeration::ReadDeliverable(DirEntry& entry) {
    if (!readError_.empty()) return false;
    for (;;) {
        errno = 0;  // readdir tells its end from an error only through errno
        const dirent* record = readdir(folder_.get());
        if (record == nullptr) break;
        NoteFolderCandidate(*record);
        if (PassedOverByName(record->d_name)) continue;
        if (!DescribeEntry(source_, *record, entry)) {
            // Only a vanished entry may pass unseen; a folder whose entries cannot be
            // examined (read but no search permission, an I/O error) is not read at all.
            if (errno == ENOENT) continue;
            break;
        }
        if ((entry.attributes & passedOverBits_) == 0) return true;
    }
    if (errno != 0) {
        readError_ = std::strerror(errno);
    } else {
        exhausted_ = true;
    }
    return false;
}

// Links and entries of unknown type may be folders too.
void PosixDirEnumeration::NoteFolderCandidate(const dirent& record) {
    if (record.d_type != DT_DIR && record.d_type != DT_LNK && record.d_type != DT_UNKNOWN) return;
    if (std::strcmp(record.d_name, ".") == 0 || std::strcmp(record.d_name, "..") == 0) return;
    metPossibleFolder_ = true;
}

}  // namespace zarvik3
