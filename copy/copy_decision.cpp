#include "copy/copy_decision.h"

namespace zarvik3 {
namespace {

CopyReason BySize(const DirEntry& source, const DestinationState& destination) {
    const bool differs = destination.size && *destination.size != source.size;
    return differs ? CopyReason::OtherSize : CopyReason::None;
}

}  // namespace

CopyReason WhyCopy(const DirEntry& source, const DestinationState& destination) {
    if (destination.stamp == kNoFile) return CopyReason::Missing;
    if (destination.resolution > 0) {
        // Both sides in UTC, so a change of daylight saving shifts neither.
        const FileTime from = TruncatedTime(source.fineTime, destination.resolution);
        const FileTime to = TruncatedTime(destination.fineTime, destination.resolution);
        if (from != to) return from > to ? CopyReason::Older : CopyReason::None;
        return BySize(source, destination);
    }
    if (source.time != destination.stamp) {
        return source.time > destination.stamp ? CopyReason::Older : CopyReason::None;
    }
    return BySize(source, destination);
}

const char* ReasonText(CopyReason reason) {
    switch (reason) {
        case CopyReason::Missing:
            return "missing";
        case CopyReason::Older:
            return "older";
        case CopyReason::OtherSize:
            return "other size";
        case CopyReason::None:
            break;
    }
    return "";
}

}  // namespace zarvik3
