#pragma once

#include <sys/stat.h>

#include <string>

#include "platform/file_system.h"
#include "platform/posix/written_volumes.h"

namespace zarvik3 {

// What the copies of one file system carry from one file to the next.
struct CopySession {
    WrittenVolumes written;
    // The destination folder of the last copy, the user and group it ran as, and the status
    // its temporary file had when made: each file made there by the same user has the same
    // volume, owner and group, so one status call per folder tells them.
    std::string lastFolder;
    uid_t lastUser = 0;
    gid_t lastGroup = 0;
    struct stat lastPart {};
    // False once the destination turned down an unnamed file, until the run's end.
    bool unnamedFiles = true;

    // Syncs what was written; the next copy notes its volume again.
    int Sync() {
        lastFolder.clear();
        unnamedFiles = true;
        return written.SyncAll();
    }
};

// Replaces destination (a native path) by a copy of source through a hidden, locked
// temporary file beside it, carrying permission bits and times (and, for root, owner and
// group); the old destination survives any failure, and a source that changes while it is
// copied is not published. The volume written is noted in the session.
CopyOutcome CopyNativeFile(const std::string& source, const std::string& destination,
                           CopyProgress& progress, CopySession& session);

}  // namespace zarvik3
