#include "copy/staged_lines.h"

#include <utility>

namespace zarvik3 {

void StagedLines::Add(ListedCopy copy) {
    std::string destination = copy.destination;
    staged_[std::move(destination)] = std::move(copy);
}

void StagedLines::Settle() {
    for (const NamedCopy& named : fs_.TakeNamed()) {
        const auto found = staged_.find(named.destination);
        if (found == staged_.end()) continue;
        ListedCopy& copy = found->second;
        if (!named.outcome.ok) {
            const std::string& reason =
                named.outcome.reason.empty() ? std::string("copy failed") : named.outcome.reason;
            log_.Fail(copy.line, copy.text, "   FAILED: " + reason);
            log_.Uncount(copy.size);
        } else if (checks_ != nullptr) {
            checks_->Add(std::move(copy));
        }
        staged_.erase(found);
    }
}

}  // namespace zarvik3
