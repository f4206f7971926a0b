#include "platform/posix/entry_status.h"

#include <fcntl.h>
#include <sys/stat.h>

#include "platform/posix/native_time.h"
#include "platform/posix/pseudo_file_system.h"

namespace zarvik3 {
namespace {

void ApplyTimeAndMode(const EntrySource& source, const struct stat& status, DirEntry& entry) {
    if ((status.st_mode & S_IWUSR) == 0) entry.attributes |= kAttrReadOnly;
    entry.time = StampOfNativeTime(status.st_mtim.tv_sec, source.utcOffset);
    entry.fineTime = {status.st_mtim.tv_sec, status.st_mtim.tv_nsec};
}

// An entry that is neither a file nor a folder: never copied, never entered.
void ApplyOther(const EntrySource& source, const struct stat* status, DirEntry& entry) {
    entry.attributes |= kAttrSystem | kAttrArchive;
    if (status != nullptr) ApplyTimeAndMode(source, *status, entry);
}

void ApplyStatus(const EntrySource& source, const char* name, const struct stat& status,
                 DirEntry& entry) {
    if (S_ISREG(status.st_mode)) {
        entry.attributes |= kAttrArchive;
        entry.size = static_cast<std::uint64_t>(status.st_size);
    } else if (S_ISDIR(status.st_mode)) {
        entry.attributes |= kAttrDirectory;
        if (status.st_dev != source.folderDevice &&
            IsPseudoFileSystemMount(source.folderFd, name, status.st_dev)) {
            entry.attributes |= kAttrSystem;
        }
    } else {
        ApplyOther(source, nullptr, entry);
    }
    ApplyTimeAndMode(source, status, entry);
}

// A link to a file counts as that file; a link to a folder is a system folder, so a link
// cycle cannot trap the walk; a dangling link is a system file.
void ApplyLink(const EntrySource& source, const char* name, DirEntry& entry) {
    struct stat target {};
    if (fstatat(source.folderFd, name, &target, 0) == 0) {
        if (S_ISREG(target.st_mode)) return ApplyStatus(source, name, target, entry);
        if (S_ISDIR(target.st_mode)) {
            entry.attributes |= kAttrSystem | kAttrDirectory;
            return ApplyTimeAndMode(source, target, entry);
        }
        return ApplyOther(source, &target, entry);
    }
    struct stat link {};
    const bool known = source.detail == EntryDetail::Full &&
                       fstatat(source.folderFd, name, &link, AT_SYMLINK_NOFOLLOW) == 0;
    ApplyOther(source, known ? &link : nullptr, entry);
}

// Where the directory record alone tells the kind, KindOnly needs no status call.
bool DescribeFromRecordType(unsigned char type, DirEntry& entry) {
    if (type == DT_REG) {
        entry.attributes |= kAttrArchive;
        return true;
    }
    if (type == DT_FIFO || type == DT_SOCK || type == DT_CHR || type == DT_BLK) {
        entry.attributes |= kAttrSystem | kAttrArchive;
        return true;
    }
    return false;
}

}  // namespace

bool DescribeEntry(const EntrySource& source, const dirent& record, DirEntry& entry) {
    const char* name = record.d_name;
    entry.name = name;
    entry.attributes = name[0] == '.' ? std::uint32_t{kAttrHidden} : 0u;
    entry.size = 0;
    entry.time = 0;
    entry.fineTime = {};
    if (source.detail == EntryDetail::KindOnly && DescribeFromRecordType(record.d_type, entry)) {
        return true;
    }
    if (record.d_type == DT_LNK) {
        ApplyLink(source, name, entry);
        return true;
    }
    struct stat status {};
    if (fstatat(source.folderFd, name, &status, AT_SYMLINK_NOFOLLOW) != 0) return false;
    if (S_ISLNK(status.st_mode)) {
        ApplyLink(source, name, entry);
    } else {
        ApplyStatus(source, name, status, entry);
    }
    return true;
}

}  // namespace zarvik3
