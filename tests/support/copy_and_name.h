#pragma once

#include <string>

#include "platform/file_system.h"

namespace zarvik3::test {

// One copy as a run makes it: a staged copy is named, and its naming's outcome returned.
inline CopyOutcome CopyAndName(FileSystem& fs, const std::string& from, const std::string& to,
                               CopyProgress& progress) {
    CopyOutcome outcome = fs.CopyFile(from, to, progress);
    if (!outcome.staged) return outcome;
    const CopyOutcome flushed = fs.Flush();
    for (NamedCopy& named : fs.TakeNamed()) {
        if (named.destination == to) return named.outcome.ok ? flushed : named.outcome;
    }
    return {false, "staged copy never named"};
}

}  // namespace zarvik3::test
