#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "copy/copy_request.h"

namespace zarvik3 {

// "999 KB", "1.0 MB", "1.0 GB": decimal units, one decimal rounded half up.
std::string SizeText(std::int64_t totalKB);

// "<n> files copied, in all  <size>", with ", <k> failed" when any copy failed.
std::string SummaryText(std::size_t copied, std::int64_t totalKB, std::size_t failed);

// The command line's closing line for a run of any mode: for a copy, SummaryText; for a dry
// run, "<n> files to copy, in all <size>"; for a verify, "<n> files verified equal, in all
// <size>"; with ", <k> failed" when anything failed.
std::string ModeSummaryText(RunMode mode, const CopySummary& summary);

// "Time: m:ss:zzz", or "Time: h:mm:ss:zzz" from one hour on.
std::string ElapsedText(std::int64_t elapsedMs);

}  // namespace zarvik3
