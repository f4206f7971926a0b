#include "copy/copy_run.h"

#include <cmath>

#include "copy/summary_text.h"
#include "text/date_time_text.h"
#include "text/text_helpers.h"
#include "text/utf8_sequence.h"

namespace zarvik3 {
namespace {

char UpperLetter(char letter) {
    return (letter >= 'a' && letter <= 'z') ? static_cast<char>(letter - 'a' + 'A') : letter;
}

// Restores the error mode on every way out, errors included.
class ErrorModeScope {
  public:
    ErrorModeScope(Drives& drives, unsigned mode)
        : drives_(drives), previous_(drives.SetErrorMode(mode)) {}
    ~ErrorModeScope() { drives_.SetErrorMode(previous_); }
    ErrorModeScope(const ErrorModeScope&) = delete;
    ErrorModeScope& operator=(const ErrorModeScope&) = delete;

  private:
    Drives& drives_;
    unsigned previous_;
};

// Clears the running mark however the run ends.
class RunningScope {
  public:
    explicit RunningScope(bool& running) : running_(running) { running_ = true; }
    ~RunningScope() { running_ = false; }
    RunningScope(const RunningScope&) = delete;
    RunningScope& operator=(const RunningScope&) = delete;

  private:
    bool& running_;
};

constexpr double kMsPerDay = 86400000.0;

// A whole UTF-8 sequence, so a message never shows half a character.
std::string FirstCharacter(const std::string& text) {
    const std::size_t length = MultiByteSequenceAt(text, 0);
    return text.substr(0, length == 0 ? 1 : length);
}

}  // namespace

CopyRun::CopyRun(FileSystem& fs, Drives& drives, Clock& clock, CopyView& view,
                 ProcessValues& values, const LocaleDateSettings& locale)
    : fs_(fs),
      drives_(drives),
      clock_(clock),
      view_(view),
      values_(values),
      walk_(fs, view, values, locale) {}

void CopyRun::btCopyClick() {
    if (running_) return;
    const RunningScope running(running_);
    // A disk plugged in since the last run, a daylight-saving change or a new locale.
    if (conditions_ != nullptr) conditions_->Refresh();
    fs_.Refresh();
    values_.RunStart = clock_.Now();
    values_.TotalKB = 0;  // a run whose history update failed must not pass its total on
    view_.ClearList();
    view_.HideElapsed();
    view_.ShowStatus("Checking...");
    const std::string to = view_.ToText();
    std::string from = view_.FromText();
    if (from.empty() || to.empty()) {
        view_.ShowMessage("FROM DIRECTORY or TO FOLDER has not been set");
        return;
    }
    if (!DriveAvailable(to.front())) {
        view_.ShowMessage("Drive " + FirstCharacter(to) + " does not exist or is not available");
        return;
    }
    if (from.back() != '\\') {
        EnsureTrailingBackslash(from);
        view_.SetFromText(from);
    }
    try {
        walk_.FileSearch(from, view_.MaskText(), view_.IncludeSubfolders());
    } catch (...) {
        // The copies made before the error are whole: they keep their names.
        walk_.Flush();
        throw;
    }
    FlushCopies();
    ShowSummary();
    if (values_.TotalKB > 0) view_.RecordLastCopy();
    values_.LastFromDir = view_.FromText();
    values_.LastToDir = view_.ToText();
}

bool CopyRun::DriveAvailable(char letter) {
    const std::string root = std::string(1, UpperLetter(letter)) + ":\\";
    switch (drives_.GetDriveType(root)) {
        case kDriveFixed:
        case kDriveRemote:
        case kDriveRamDisk:
            return true;
        case kDriveRemovable:
        case kDriveCdRom:
            return DiskInDrive(letter);
        default:
            return false;
    }
}

bool CopyRun::DiskInDrive(char letter) {
    const char drive = UpperLetter(letter);
    if (drive < 'A' || drive > 'Z') throw EConvertError("Not a valid drive letter");
    std::int64_t size = -1;
    {
        // Mode 1: an empty drive fails the query instead of prompting for a disk.
        const ErrorModeScope quiet(drives_, 1);
        view_.ProcessEvents();
        size = drives_.DiskTotalSize(std::string(1, drive) + ":\\");
    }
    view_.ProcessEvents();
    return size != -1;
}

// A run that says done has its copies on the disk, not only in the cache.
void CopyRun::FlushCopies() {
    const CopyOutcome flushed = walk_.Flush();
    if (flushed.ok) return;
    view_.AppendLine(view_.ToText());
    view_.MarkLastLineFailed("   FAILED: not written to the disk: " + flushed.reason);
}

void CopyRun::ShowSummary() {
    const std::size_t lines = view_.LineCount();
    const std::size_t failed = view_.FailedLineCount();
    const std::size_t copied = lines > failed ? lines - failed : 0;
    view_.ShowStatus(SummaryText(copied, values_.TotalKB, failed));
    const double elapsedDays = clock_.Now() - values_.RunStart;
    view_.ShowElapsed(ElapsedText(std::llround(elapsedDays * kMsPerDay)));
}

}  // namespace zarvik3
