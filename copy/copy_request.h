#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "text/date_time.h"

namespace zarvik3 {

// What a copy run is asked to do; the To and exclusion texts come live from the observer.
struct CopyRequest {
    std::string from;  // folder text
    std::string mask;
    bool includeSubfolders = true;
};

// How a run ended.
struct CopySummary {
    // Why the run did not start ("FROM DIRECTORY or TO FOLDER has not been set", the drive
    // message); empty when it ran.
    std::string refusal;
    std::size_t copied = 0;  // lines listed and not failed
    std::size_t failed = 0;
    std::int64_t totalKB = 0;  // units of 1000 bytes, failed copies left out
    bool cancelled = false;
    TDateTime start = 0;
    std::int64_t elapsedMs = 0;
};

}  // namespace zarvik3
