#pragma once

#include "platform/file_system.h"

namespace zarvik3 {

// Why a source entry would be copied onto its destination.
enum class CopyReason {
    None,       // the destination is up to date, or newer: it is never replaced
    Missing,    // nothing there
    Older,      // older at the finest resolution both sides keep
    OtherSize,  // the same time but another size: a copy cut short
};

CopyReason WhyCopy(const DirEntry& source, const DestinationState& destination);

inline bool NeedsCopy(const DirEntry& source, const DestinationState& destination) {
    return WhyCopy(source, destination) != CopyReason::None;
}

// "missing", "older", "other size"; empty for None.
const char* ReasonText(CopyReason reason);

}  // namespace zarvik3
