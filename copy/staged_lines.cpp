#include "copy/staged_lines.h"

#include <utility>

namespace zarvik3 {

void StagedLines::Add(const std::string& destination, std::size_t line, std::string text,
                      std::int64_t kb) {
    staged_[destination] = Staged{line, std::move(text), kb};
}

void StagedLines::Settle() {
    for (const NamedCopy& named : fs_.TakeNamed()) {
        const auto found = staged_.find(named.destination);
        if (found == staged_.end()) continue;
        if (!named.outcome.ok) {
            const std::string& reason =
                named.outcome.reason.empty() ? std::string("copy failed") : named.outcome.reason;
            log_.Fail(found->second.line, found->second.text, "   FAILED: " + reason);
            log_.totalKB -= found->second.kb;
        }
        staged_.erase(found);
    }
}

}  // namespace zarvik3
