#include "window/listed_lines.h"

namespace zarvik3 {

void ListedLines::Clear() {
    view_.ClearList();
    first_ = next_;
    failed_ = 0;
}

std::size_t ListedLines::Append(const std::string& line) {
    view_.AppendLine(line);
    return next_++;
}

void ListedLines::MarkFailed(std::size_t line, const std::string& suffix) {
    if (line < first_ || line >= next_) return;
    view_.AppendToLine(line - first_, suffix);
    ++failed_;
}

}  // namespace zarvik3
