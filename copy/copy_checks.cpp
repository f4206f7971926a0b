#include "copy/copy_checks.h"

namespace zarvik3 {
namespace {

// A source changed since its copy was made differs from it for that reason alone, and the
// next run copies it anyway.
bool SourceChanged(FileSystem& fs, const ListedCopy& copy) {
    const DestinationState now = fs.StateOf(copy.source);
    return now.stamp == kNoFile || now.size != copy.size || now.fineTime != copy.sourceTime;
}

}  // namespace

void CopyChecks::Run() {
    for (const ListedCopy& copy : waiting_) {
        if (log_.Pump()) break;
        if (SourceChanged(fs_, copy)) continue;
        log_.StartFile(copy.size);
        const Comparison check =
            compare_.Compare(copy.source, copy.destination, copy.size, ReadFrom::Disk, log_);
        if (check.Same() || check.cancelled) continue;
        // With its source's time the bad copy would look up to date to every later run.
        const bool marked = fs_.MarkOutdated(copy.destination);
        log_.Fail(copy.line, copy.text,
                  std::string("   FAILED: differs when read back") +
                      (marked ? " (the next run copies it again): " : ": ") + check.difference);
        log_.Uncount(copy.size);
    }
    waiting_.clear();
}

}  // namespace zarvik3
