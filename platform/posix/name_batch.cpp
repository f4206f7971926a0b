#include "platform/posix/name_batch.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <map>
#include <random>
#include <system_error>
#include <utility>

#include "platform/part_file_name.h"

namespace zarvik3 {
namespace {

// A sync costs about as much for a few hundred small files as for one, and each batch
// holds a descriptor per copy.
constexpr std::size_t kBatchFiles = 256;
constexpr std::uint64_t kBatchBytes = std::uint64_t{256} << 20;
// Copies made a while ago take their names even while the next one is long.
constexpr auto kBatchAge = std::chrono::seconds(1);
constexpr int kNameAttempts = 16;
// Copies named at once where each needs a sync of its own.
constexpr std::size_t kNamers = 8;

int FolderOf(const WrittenCopy& copy) {
    return copy.folder ? copy.folder->Get() : AT_FDCWD;
}

// Links the open unnamed file under name: 0 or the reason. Linking by the descriptor alone
// needs a recent kernel or privilege; the name under /proc needs neither.
int LinkOpenFile(int file, int folder, const char* name, std::atomic<bool>& byDescriptor) {
    if (byDescriptor) {
        if (linkat(file, "", folder, name, AT_EMPTY_PATH) == 0) return 0;
        if (errno != ENOENT && errno != EPERM) return errno;
        byDescriptor = false;
    }
    const std::string self = "/proc/self/fd/" + std::to_string(file);
    return linkat(AT_FDCWD, self.c_str(), folder, name, AT_SYMLINK_FOLLOW) == 0 ? 0 : errno;
}

// A fresh hidden temporary name beside name.
std::string PartNameBeside(const std::string& name, std::mt19937_64& random) {
    const std::size_t base = name.rfind('/') + 1;  // 0 when there is no folder part
    return name.substr(0, base) + PartFileName(name.substr(base), random());
}

// A link stands under the name: the open file takes a temporary name, which then replaces it.
int ReplaceLinkByOpenFile(const WrittenCopy& copy, int folder, std::atomic<bool>& byDescriptor) {
    std::random_device seed;
    std::mt19937_64 random((static_cast<std::uint64_t>(seed()) << 32) ^ seed());
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string part = PartNameBeside(copy.name, random);
        const int linked = LinkOpenFile(copy.file.Get(), folder, part.c_str(), byDescriptor);
        if (linked == EEXIST) continue;
        if (linked != 0) return linked;
        if (renameat(folder, part.c_str(), folder, copy.name.c_str()) == 0) return 0;
        const int error = errno;
        unlinkat(folder, part.c_str(), 0);
        return error;
    }
    return EEXIST;
}

// What a volume without hard links answers.
bool LinksUnsupported(int error) {
    return error == EPERM || error == ENOSYS || error == EOPNOTSUPP;
}

// Renames the temporary file over the name, or only where nothing is when freeName says so.
int RenamePart(WrittenCopy& copy, int folder, NamingWays& ways) {
    if (copy.freeName) return TakeFreeName(copy, folder, ways);
    return renameat(folder, copy.partName.c_str(), folder, copy.name.c_str()) == 0 ? 0 : errno;
}

// Another writer, another run most likely, has put the same version under the name meanwhile:
// a regular file of the copy's size and last-write time, as this volume keeps them.
bool HoldsSameVersion(const WrittenCopy& copy, int folder) {
    struct stat there {};
    struct stat ours {};
    return fstatat(folder, copy.name.c_str(), &there, 0) == 0 && S_ISREG(there.st_mode) &&
           fstat(copy.file.Get(), &ours) == 0 && there.st_size == ours.st_size &&
           there.st_mtim.tv_sec == ours.st_mtim.tv_sec &&
           there.st_mtim.tv_nsec == ours.st_mtim.tv_nsec;
}

// Gives the copy its name: 0 or the reason.
int NameOne(WrittenCopy& copy, NamingWays& ways, std::atomic<bool>& byDescriptor) {
    const int folder = FolderOf(copy);
    int error = 0;
    if (copy.partName.empty()) {
        error = LinkOpenFile(copy.file.Get(), folder, copy.name.c_str(), byDescriptor);
        if (error == EEXIST && HoldsLink(folder, copy.name.c_str())) {
            error = ReplaceLinkByOpenFile(copy, folder, byDescriptor);
        }
    } else if ((error = RenamePart(copy, folder, ways)) != 0) {
        unlinkat(folder, copy.partName.c_str(), 0);
    }
    return error == EEXIST && HoldsSameVersion(copy, folder) ? 0 : error;
}

CopyOutcome Failure(int error) {
    return {false, std::generic_category().message(error)};
}

}  // namespace

int TakeFreeName(WrittenCopy& copy, int folder, NamingWays& ways) {
    const char* part = copy.partName.c_str();
    const char* name = copy.name.c_str();
    if (ways.noReplace) {
        if (renameat2(folder, part, folder, name, RENAME_NOREPLACE) == 0) return 0;
        if (errno != EINVAL && errno != ENOSYS) return errno;
        ways.noReplace = false;
    }
    if (ways.links) {
        if (linkat(folder, part, folder, name, 0) == 0) {
            // Closed first: a FUSE volume keeps a file removed while open under yet another
            // name until it is closed, which costs it three more round trips. The copy has
            // its name, so the lock has done its work; a temporary name left behind is swept
            // as any other.
            copy.file.Reset();
            unlinkat(folder, part, 0);
            return 0;
        }
        if (!LinksUnsupported(errno)) return errno;
        ways.links = false;
    }
    struct stat status {};
    if (fstatat(folder, name, &status, AT_SYMLINK_NOFOLLOW) == 0) return EEXIST;
    if (errno != ENOENT) return errno;
    return renameat(folder, part, folder, name) == 0 ? 0 : errno;
}

bool HoldsLink(int folder, const char* name) {
    struct stat status {};
    return fstatat(folder, name, &status, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(status.st_mode);
}

void NameBatch::Add(WrittenCopy copy) {
    if (copies_.empty()) started_ = std::chrono::steady_clock::now();
    bytes_ += copy.size;
    copies_.push_back(std::move(copy));
}

bool NameBatch::Full() const {
    return copies_.size() >= std::min(kBatchFiles, files_) || bytes_ >= kBatchBytes ||
           (!copies_.empty() && std::chrono::steady_clock::now() - started_ >= kBatchAge);
}

void NameBatch::NameAll(const WrittenVolumes& volumes) {
    if (copies_.empty()) return;
    Handed batch{std::exchange(copies_, {}), {}};
    bytes_ = 0;
    for (const WrittenCopy& copy : batch.copies) {
        if (volumes.SyncsWhole(copy.device)) {
            batch.wholeVolumes.emplace(
                copy.device, WholeSync{volumes.FileOn(copy.device), volumes.SyncOf(copy.device)});
        }
    }
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !handed_; });
    handed_ = std::move(batch);
    if (!worker_.joinable()) worker_ = std::thread([this] { Run(); });
    changed_.notify_all();
}

void NameBatch::Wait() {
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return !handed_; });
        stop_ = true;
    }
    changed_.notify_all();
    if (worker_.joinable()) worker_.join();
    stop_ = false;
}

void NameBatch::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return stop_ || handed_; });
        if (!handed_) return;
        lock.unlock();
        Name(*handed_);  // the batch stays handed over, and so untouched, until it is done
        lock.lock();
        handed_.reset();
        changed_.notify_all();
    }
}

namespace {

// Runs step(i) for each i below count, on several threads at once when many says so.
template <typename Step>
void ForEachAtOnce(std::size_t count, bool many, Step step) {
    std::atomic<std::size_t> next = 0;
    const auto steps = [&] {
        for (std::size_t i = next++; i < count; i = next++) step(i);
    };
    std::vector<std::thread> helpers;
    for (std::size_t i = 1; i < (many ? std::min(kNamers, count) : 1); ++i) {
        helpers.emplace_back(steps);
    }
    steps();
    for (std::thread& helper : helpers) helper.join();
}

}  // namespace

// Syncs each volume of the batch once (or each copy by itself where that is what reaches
// the disk), then names each copy whose data is there. Where each copy has a sync of its
// own, every sync and name is a round trip to a server or a FUSE driver: several are then
// made at once, so that those trips overlap. Every sync comes before the first name, as a
// driver that writes the whole volume at each sync (exFAT through FUSE) then finds nothing
// left to write after the first.
void NameBatch::Name(Handed& batch) {
    std::map<dev_t, int> synced;
    for (const auto& [device, whole] : batch.wholeVolumes) {
        synced.emplace(device, SyncVolume(whole.fd, whole.how));
    }
    bool eachOwnSync = false;
    for (const WrittenCopy& copy : batch.copies) {
        ways_.try_emplace(copy.device);  // made here, so the namers only read the map
        eachOwnSync |= !synced.contains(copy.device);
    }
    std::vector<int> errors(batch.copies.size());
    ForEachAtOnce(batch.copies.size(), eachOwnSync, [&](std::size_t i) {
        const auto volume = synced.find(batch.copies[i].device);
        errors[i] = volume != synced.end()                   ? volume->second
                    : fsync(batch.copies[i].file.Get()) == 0 ? 0
                                                             : errno;
    });
    std::vector<NamedCopy> named(batch.copies.size());
    ForEachAtOnce(batch.copies.size(), eachOwnSync,
                  [&](std::size_t i) { named[i] = NameSynced(batch.copies[i], errors[i]); });
    batch.copies.clear();  // closes the files: the names hold them now
    const std::lock_guard lock(mutex_);
    named_.insert(named_.end(), std::make_move_iterator(named.begin()),
                  std::make_move_iterator(named.end()));
}

// One copy of a batch, named unless its sync failed.
NamedCopy NameBatch::NameSynced(WrittenCopy& copy, int syncError) {
    if (syncError != 0) {
        if (!copy.partName.empty()) unlinkat(FolderOf(copy), copy.partName.c_str(), 0);
        NamedCopy failed{copy.destination, Failure(syncError)};
        failed.outcome.reason.insert(0, "not written to the disk: ");
        return failed;
    }
    const int error = NameOne(copy, ways_.at(copy.device), linksByDescriptor_);
    return {copy.destination, error == 0 ? CopyOutcome{} : Failure(error)};
}

std::vector<NamedCopy> NameBatch::TakeNamed() {
    const std::lock_guard lock(mutex_);
    return std::exchange(named_, {});
}

void NameBatch::Clear() {
    Wait();
    ways_.clear();  // the next run may find other volumes under the same numbers
    for (const WrittenCopy& copy : copies_) {
        if (!copy.partName.empty()) unlinkat(FolderOf(copy), copy.partName.c_str(), 0);
    }
    copies_.clear();
    bytes_ = 0;
}

}  // namespace zarvik3
