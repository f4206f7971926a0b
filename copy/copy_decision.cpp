#include "copy/copy_decision.h"

namespace zarvik3 {
namespace {

bool SizeDiffers(const DirEntry& source, const DestinationState& destination) {
    return destination.size && *destination.size != source.size;
}

}  // namespace

bool NeedsCopy(const DirEntry& source, const DestinationState& destination) {
    if (destination.stamp == kNoFile) return true;
    if (destination.resolution > 0) {
        // Both sides in UTC, so a change of daylight saving shifts neither.
        const FileTime from = TruncatedTime(source.fineTime, destination.resolution);
        const FileTime to = TruncatedTime(destination.fineTime, destination.resolution);
        if (from != to) return from > to;
        return SizeDiffers(source, destination);
    }
    if (source.time != destination.stamp) return source.time > destination.stamp;
    return SizeDiffers(source, destination);
}

}  // namespace zarvik3
