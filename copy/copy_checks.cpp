#include "copy/copy_checks.h"

namespace zarvik3 {

void CopyChecks::Run() {
    for (const ListedCopy& copy : waiting_) {
        if (log_.Cancelled()) break;
        log_.StartFile(copy.size);
        const Comparison check =
            compare_.Compare(copy.source, copy.destination, copy.size, ReadFrom::Disk, log_);
        if (check.same || check.cancelled) continue;
        log_.Fail(copy.line, copy.text, "   FAILED: differs when read back: " + check.difference);
        log_.totalKB -= copy.kb;
    }
    waiting_.clear();
}

}  // namespace zarvik3
