#include "platform/posix/posix_dir_enumeration.h"

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
    // A read error ends the enumeration just as the end of the folder does.
    while (const dirent* record = readdir(folder_.get())) {
        NoteFolderCandidate(*record);
        if (PassedOverByName(record->d_name)) continue;
        if (!DescribeEntry(source_, *record, entry)) continue;
        if ((entry.attributes & passedOverBits_) == 0) return true;
    }
    exhausted_ = true;
    return false;
}

// Links and entries of unknown type may be folders too.
void PosixDirEnumeration::NoteFolderCandidate(const dirent& record) {
    if (record.d_type != DT_DIR && record.d_type != DT_LNK && record.d_type != DT_UNKNOWN) return;
    if (std::strcmp(record.d_name, ".") == 0 || std::strcmp(record.d_name, "..") == 0) return;
    metPossibleFolder_ = true;
}

}  // namespace zarvik3
