#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "text/date_time.h"

namespace zarvik3 {

// What a run does with the files the walk finds.
enum class RunMode {
    Copy,    // copies each one that is missing or older at the destination
    DryRun,  // lists what Copy would copy, and why, and writes nothing at all
    Verify,  // compares each one with its copy byte for byte, and writes nothing at all
};

// What a copy run is asked to do; the To and exclusion texts come live from the observer.
struct CopyRequest {
    std::string from;  // folder text
    std::string mask;
    bool includeSubfolders = true;
    RunMode mode = RunMode::Copy;
    // Copy: each copy is read back from the disk once it is there, and fails if it differs.
    bool checkCopies = false;
};

// How a run ended.
struct CopySummary {
    // Why the run did not start ("FROM DIRECTORY or TO FOLDER has not been set", the drive
    // message); empty when it ran.
    std::string refusal;
    bool driveUnavailable = false;  // the refusal is the drive message
    // Lines listed and not failed: the files copied, those a dry run would copy, or those
    // a verify found equal.
    std::size_t copied = 0;
    std::size_t failed = 0;
    std::int64_t totalKB = 0;  // units of 1000 bytes, failed copies left out
    bool cancelled = false;
    TDateTime start = 0;
    std::int64_t elapsedMs = 0;
};

}  // namespace zarvik3
