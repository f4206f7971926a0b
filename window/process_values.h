#pragma once

#include <cstdint>
#include <string>

#include "text/date_time.h"

namespace zarvik3 {

// The values shared by the whole program: one instance, owned by the application and
// passed by reference.
struct ProcessValues {
    std::string ExeDir;  // folder text ending in a backslash
    std::string LastFromDir;
    std::string LastToDir;
    bool CancelRequested = false;
    std::int64_t TotalKB = 0;  // units of 1000 bytes
    TDateTime RunStart = 0;
};

}  // namespace zarvik3
