#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/file_system.h"
#include "platform/posix/unique_fd.h"
#include "platform/posix/written_volumes.h"

namespace zarvik3 {

// A copy written whole and checked, waiting for its name.
struct WrittenCopy {
    std::string destination;  // as the caller asked for it, for the report
    // The unnamed file; for a named temporary file, a descriptor that holds its lock.
    UniqueFd file;
    // The destination's folder, open; empty for names the kernel takes from the current folder.
    std::shared_ptr<const UniqueFd> folder;
    std::string name;      // the destination's name, seen from folder
    std::string partName;  // the temporary file's name, seen from folder; empty: unnamed
    // A new file takes only a name nothing holds, unless what is there is the same version.
    bool freeName = false;
    std::uint64_t size = 0;
    dev_t device = 0;  // the copy's volume
};

// How a volume can give a copy a name that must be free; learnt at its first such copy.
struct NamingWays {
    std::atomic<bool> noReplace = true;  // a rename that never replaces
    std::atomic<bool> links = true;      // a second name for a file
};

// Moves the copy's temporary file under its name, which must still be free: 0 or the reason
// (EEXIST: the name is taken). Where the volume cannot rename without replacing (FUSE), a
// second name is made, which never replaces either, and the temporary one goes; where it has
// no second names (exFAT), the name is looked at just before the rename, which leaves another
// writer only that moment. ways: what the volume was found to do, updated as learnt.
int TakeFreeName(WrittenCopy& copy, int folder, NamingWays& ways);

// Whether folder holds a symbolic link under name.
bool HoldsLink(int folder, const char* name);

// Copies waiting for their data to reach the disk before they are named. A name is given
// only to data on the disk, so a power cut never leaves a name whose data is missing, which
// a later run could not tell from a good copy. The copies of a batch share one sync, made
// with the naming on a thread of its own while the next batch is written. The thread lives
// from the first batch handed over to the next Wait: not to be used across fork() meanwhile.
class NameBatch {
  public:
    NameBatch() = default;
    NameBatch(const NameBatch&) = delete;
    NameBatch& operator=(const NameBatch&) = delete;
    ~NameBatch() { Clear(); }

    // Batches of at most files copies: each holds a descriptor until it is named.
    void Limit(std::size_t files) { files_ = files; }
    void Add(WrittenCopy copy);
    // Whether the batch should be named before more is added: enough files, data or time.
    bool Full() const;
    // Hands the batch over to be synced and named, once the batch before is done, so that at
    // most two batches hold descriptors; the outcomes wait for TakeNamed.
    void NameAll(const WrittenVolumes& volumes);
    // Waits until every batch handed over is named.
    void Wait();
    std::vector<NamedCopy> TakeNamed();
    // Drops the batch not yet handed over, its temporary files removed.
    void Clear();

  private:
    // A file on a volume that one sync covers, and how to sync it.
    struct WholeSync {
        int fd;
        VolumeSync how;
    };
    // A batch handed over, with a descriptor on each of its volumes that one sync covers.
    struct Handed {
        std::vector<WrittenCopy> copies;
        std::map<dev_t, WholeSync> wholeVolumes;
    };
    void Run();
    void Name(Handed& batch);
    NamedCopy NameSynced(WrittenCopy& copy, int syncError);

    std::vector<WrittenCopy> copies_;
    std::size_t files_ = SIZE_MAX;
    std::uint64_t bytes_ = 0;
    std::chrono::steady_clock::time_point started_;

    std::mutex mutex_;
    std::condition_variable changed_;
    std::optional<Handed> handed_;  // waiting for the thread, or being named by it
    bool stop_ = false;
    std::vector<NamedCopy> named_;
    std::thread worker_;
    // The thread's own: false once linking a file by its descriptor alone was refused, and
    // each volume's ways of naming.
    std::atomic<bool> linksByDescriptor_ = true;
    std::map<dev_t, NamingWays> ways_;
};

}  // namespace zarvik3
