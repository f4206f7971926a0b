#include "copy/summary_text.h"

namespace zarvik3 {
namespace {

// value / unit with one decimal, rounded half up, without the overflow of value + unit / 20.
std::string OneDecimal(std::int64_t value, std::int64_t unit) {
    const std::int64_t tenth = unit / 10;
    const std::int64_t tenths = value / tenth + (value % tenth >= tenth / 2 ? 1 : 0);
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

std::string TwoDigits(std::int64_t value) {
    return (value < 10 ? "0" : "") + std::to_string(value);
}

std::string ThreeDigits(std::int64_t value) {
    return (value < 100 ? "0" : "") + TwoDigits(value);
}

// "<count><what><size>", with ", <k> failed" when anything failed.
std::string CountedText(std::size_t count, const char* what, std::int64_t totalKB,
                        std::size_t failed) {
    std::string text = std::to_string(count) + what + SizeText(totalKB);
    if (failed > 0) text += ", " + std::to_string(failed) + " failed";
    return text;
}

}  // namespace

std::string SizeText(std::int64_t totalKB) {
    if (totalKB < 1000) return std::to_string(totalKB) + " KB";
    if (totalKB < 1000000) return OneDecimal(totalKB, 1000) + " MB";
    return OneDecimal(totalKB, 1000000) + " GB";
}

std::string SummaryText(std::size_t copied, std::int64_t totalKB, std::size_t failed) {
    return CountedText(copied, " files copied, in all  ", totalKB, failed);
}

std::string ModeSummaryText(RunMode mode, const CopySummary& summary) {
    if (mode == RunMode::Copy) return SummaryText(summary.copied, summary.totalKB, summary.failed);
    const char* what =
        mode == RunMode::DryRun ? " files to copy, in all " : " files verified equal, in all ";
    return CountedText(summary.copied, what, summary.totalKB, summary.failed);
}

std::string ElapsedText(std::int64_t elapsedMs) {
    if (elapsedMs < 0) elapsedMs = 0;  // the local clock may step back during a run
    const std::int64_t hours = elapsedMs / 3600000;
    const std::int64_t minutes = elapsedMs / 60000 % 60;
    const std::int64_t seconds = elapsedMs / 1000 % 60;
    const std::string tail = TwoDigits(seconds) + ":" + ThreeDigits(elapsedMs % 1000);
    if (hours > 0) return "Time: " + std::to_string(hours) + ":" + TwoDigits(minutes) + ":" + tail;
    return "Time: " + std::to_string(minutes) + ":" + tail;
}

}  // namespace zarvik3
