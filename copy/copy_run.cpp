#include "copy/copy_run.h"

#include <cmath>

#include "copy/run_log.h"
#include "copy/tree_copy.h"
#include "text/date_time_text.h"
#include "text/text_helpers.h"
#include "text/utf8_sequence.h"

namespace zarvik3 {
namespace {

char UpperLetter(char letter) {
    return (letter >= 'a' && letter <= 'z') ? static_cast<char>(letter - 'a' + 'A') : letter;
}

constexpr double kMsPerDay = 86400000.0;

// A whole UTF-8 sequence, so a message never shows half a character.
std::string FirstCharacter(const std::string& text) {
    const std::size_t length = MultiByteSequenceAt(text, 0);
    return text.substr(0, length == 0 ? 1 : length);
}

// A run that says done has its copies on the disk, not only in the cache.
void FlushCopies(TreeCopy& walk, RunLog& log) {
    const CopyOutcome flushed = walk.Flush();
    if (flushed.ok) return;
    log.List(log.Observer().ShownPath(log.Observer().ToText()));
    log.FailNewest("   FAILED: not written to the disk: " + flushed.reason);
}

}  // namespace

CopySummary CopyRun::Run(const CopyRequest& request, CopyObserver& observer) {
    // A disk plugged in since the last run, a daylight-saving change or a new locale.
    if (conditions_ != nullptr) conditions_->Refresh();
    fs_.Refresh();
    CopySummary summary;
    summary.start = clock_.Now();
    const std::string to = observer.ToText();
    std::string from = request.from;
    if (from.empty() || to.empty()) {
        summary.refusal = "FROM DIRECTORY or TO FOLDER has not been set";
        return summary;
    }
    if (!DriveAvailable(to.front(), observer)) {
        summary.refusal = "Drive " + FirstCharacter(to) + " does not exist or is not available";
        summary.driveUnavailable = true;
        return summary;
    }
    EnsureTrailingBackslash(from);
    observer.WalkStarts(from);
    RunLog log(observer);
    TreeCopy walk(fs_, log, locale_, request.mode, request.checkCopies);
    try {
        walk.FileSearch(from, request.mask, request.includeSubfolders);
    } catch (...) {
        // The copies made before the error are whole: they keep their names.
        walk.Flush();
        throw;
    }
    if (request.mode == RunMode::Copy) FlushCopies(walk, log);
    summary.failed = log.FailedCount();
    summary.copied = log.Listed() - summary.failed;
    summary.totalKB = log.totalKB;
    summary.cancelled = log.Cancelled();
    summary.elapsedMs = std::llround((clock_.Now() - summary.start) * kMsPerDay);
    return summary;
}

bool CopyRun::DriveAvailable(char letter, CopyObserver& observer) {
    const std::string root = std::string(1, UpperLetter(letter)) + ":\\";
    switch (drives_.GetDriveType(root)) {
        case kDriveFixed:
        case kDriveRemote:
        case kDriveRamDisk:
            return true;
        case kDriveRemovable:
        case kDriveCdRom:
            return DiskInDrive(letter, observer);
        default:
            return false;
    }
}

bool CopyRun::DiskInDrive(char letter, CopyObserver& observer) {
    const char drive = UpperLetter(letter);
    if (drive < 'A' || drive > 'Z') throw EConvertError("Not a valid drive letter");
    // A cancel here is not the walk's: the walk has not begun.
    observer.Pump();
    const std::int64_t size = drives_.DiskTotalSize(std::string(1, drive) + ":\\");
    observer.Pump();
    return size != -1;
}

}  // namespace zarvik3
