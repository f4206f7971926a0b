#pragma once

#include <sys/stat.h>

#include <string>

#include "platform/file_system.h"
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
    // False once the destination turned down an unnamed file, until the run's end.
    bool unnamedFiles = true;
    // False once linking a file by its descriptor alone was refused, until the run's end.
    bool linksByDescriptor = true;
    // Unnamed files made ahead in the open destination folder, while making one is dear.
    UnnamedFilePool ahead;
    bool dearFiles = false;

    // Forgets what a run learnt: the next copy takes the user and the folder's status again.
    void Restart() {
        lastFolder.clear();
        userKnown = false;
        unnamedFiles = true;
        linksByDescriptor = true;
        ahead.Clear();
        dearFiles = false;
    }
    // Syncs what was written and ends the run.
    int Sync() {
        Restart();
        return written.SyncAll();
    }
};

// What the caller knows of the destination: the folder it goes into, open (or -1), and
// whether a status call has just found nothing under its name.
struct DestinationHint {
    int folder = -1;
    bool missing = false;
};

// Replaces destination (a native path) by a copy of source through a hidden, locked
// temporary file beside it, carrying permission bits and times (and, for root, owner and
// group); the old destination survives any failure, and a source that changes while it is
// copied is not published. The volume written is noted in the session. A name known to be
// missing is not tested again: the copy is linked in only if the name is still free.
CopyOutcome CopyNativeFile(const std::string& source, const std::string& destination,
                           CopyProgress& progress, CopySession& session, DestinationHint hint = {});

}  // namespace zarvik3
