#pragma once

#include <sys/stat.h>

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/file_system.h"
#include "platform/posix/name_batch.h"
#include "platform/posix/unnamed_file_pool.h"
#include "platform/posix/written_volumes.h"

namespace zarvik3 {

// What the copies of one file system carry from one file to the next.
struct CopySession {
    WrittenVolumes written;
    // Whether the copies run as root, taken at a run's first copy.
    bool userKnown = false;
    bool asRoot = false;
    // The destination folder of the last copy, the bits its temporary file was asked for and
    // the status it had when made: each file made there with the same bits in the same run
    // has the same volume, owner, group and bits, so one status call per folder tells them.
    std::string lastFolder;
    mode_t lastRequested = 0;
    struct stat lastPart {};
    // Whether a volume keeps the bits a copy is given, by volume and bits, once asked.
    std::map<std::pair<dev_t, mode_t>, bool> modeKept;
    // False once the destination turned down an unnamed file, until the run's end.
    bool unnamedFiles = true;
    // Copies written whole, named once their data is on the disk.
    NameBatch batch;
    // The destination folder of the last copy staged, held open until its copies are named.
    std::shared_ptr<const UniqueFd> stagedFolder;
    std::string stagedFolderPath;
    // Unnamed files made ahead in the open destination folder, while making one is dear.
    UnnamedFilePool ahead;
    bool dearFiles = false;

    // Forgets what a run learnt: the next copy takes the user and the folder's status again.
    void Restart() {
        lastFolder.clear();
        userKnown = false;
        modeKept.clear();
        unnamedFiles = true;
        batch.Clear();
        stagedFolder.reset();
        ahead.Clear();
        dearFiles = false;
    }
    // Names what is staged, syncs what was written and ends the run.
    int Sync() {
        batch.NameAll(written);
        batch.Wait();
        Restart();
        return written.SyncAll();
    }
};

// What the caller knows of the destination: the folder it goes into, open (or -1), and
// whether a status call has just found nothing at all under its name, not even a link.
struct DestinationHint {
    int folder = -1;
    bool missing = false;
    // What the caller calls the destination, for the outcome of its naming.
    std::string reportAs;
};

// Opens the source and keeps it only when it is a regular file. Non-blocking, so that a FIFO
// put in its place does not wait for a writer; the walk itself never offers devices. On
// failure, -1 and the reason.
int OpenRegularSource(const std::string& source, struct stat& status, CopyOutcome& failure);

// Replaces destination (a native path) by a copy of source, written unnamed or into a hidden,
// locked temporary file beside it, carrying permission bits and times (and, for root, owner
// and group); the old destination survives any failure, and a source that changes while it
// is copied is not published. A copy written whole is staged in the session's batch, which
// names it once its data is on the disk; the volume written is noted in the session. A name
// known to be missing is not tested again: the copy is named only if the name is still free.
CopyOutcome CopyNativeFile(const std::string& source, const std::string& destination,
                           CopyProgress& progress, CopySession& session,
                           const DestinationHint& hint = {});
// The same from a source already open as a regular file, status its status then.
CopyOutcome CopyOpenFile(int input, const struct stat& status, const std::string& destination,
                         CopyProgress& progress, CopySession& session, const DestinationHint& hint);

}  // namespace zarvik3
