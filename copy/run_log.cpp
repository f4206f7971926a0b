#include "copy/run_log.h"

namespace zarvik3 {

std::size_t RunLog::List(const std::string& line) {
    ++listed_;
    newestText_ = line;
    newest_ = observer_.Listed(line);
    return newest_;
}

void RunLog::Fail(std::size_t line, const std::string& text, const std::string& suffix) {
    ++failed_;
    observer_.Failed(line, text, suffix);
}

void RunLog::StartFile(std::uint64_t size) {
    fileDone_ = 0;
    fileSize_ = size;
    observer_.FileProgress(0, size);
}

void RunLog::Moved(std::uint64_t bytes) {
    fileDone_ += bytes;
    observer_.FileProgress(fileDone_, fileSize_);
}

bool RunLog::Pump() {
    if (!cancelled_ && observer_.Pump()) cancelled_ = true;
    return cancelled_;
}

}  // namespace zarvik3
