#include "copy/tree_copy.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "copy/copy_decision.h"
#include "copy/exclusions.h"
#include "copy/staged_lines.h"
#include "platform/file_stamp.h"
#include "text/date_time_text.h"
#include "text/text_helpers.h"

namespace zarvik3 {
namespace {

// A backslash in a Linux name would split it into folders once it is written in a folder text.
constexpr const char* kBackslashReason = "   FAILED: name holds a backslash";

// What every step of one walk shares; the run's parts stay the TreeCopy's.
struct WalkState {
    FileSystem& fs;
    RunLog& log;
    const LocaleDateSettings& locale;
    RunMode mode;
    StagedLines& staged;
    CopyChecks* checks;  // null unless copies are read back
    ContentCompare& compare;
    // Taken once, so an edit of the From text during the run cannot shift relative paths.
    std::size_t rootLength;
    // The last destination folder known to exist: spares a test per file in a new folder.
    std::string knownFolder;
};

// The texts of one visit, read when it begins so edits apply from the next folder on.
struct Folder {
    std::string root;         // R
    Exclusions exclusions;    // X1, X2
    std::string source;       // S
    std::string destination;  // D
};

Folder ReadFolder(const WalkState& walk, const std::string& pathName) {
    Folder folder;
    folder.root = walk.log.Observer().ToText();
    EnsureTrailingBackslash(folder.root);
    folder.exclusions = ParseExclusions(walk.log.Observer().ExcludeText());
    folder.source = pathName;
    EnsureTrailingBackslash(folder.source);
    const bool below = folder.source.size() > walk.rootLength;
    folder.destination = folder.root + (below ? folder.source.substr(walk.rootLength) : "");
    EnsureTrailingBackslash(folder.destination);
    return folder;
}

bool HoldsBackslash(const std::string& name) {
    return name.find('\\') != std::string::npos;
}

// A name holding a backslash, shown after its folder as it is: spelt whole, it would show as
// folders that are not there. The folder is spelt with a stand-in name, for its separator.
std::string ShownInFolder(RunLog& log, const std::string& folder, const std::string& name) {
    std::string shown = log.Observer().ShownPath(folder + "_");
    shown.pop_back();
    return shown + name;
}

// How reading one folder ended.
struct PassEnd {
    bool leaf = false;    // read to its end, and it holds no subfolder at all
    std::string failure;  // why the folder could not be read; empty when it could
};

// Pumps events and honours Cancel after every entry, whatever was done with it.
template <typename Handle>
PassEnd ForEachEntry(WalkState& walk, const std::string& pattern, std::uint32_t filter,
                     EntryDetail detail, Handle handle) {
    PassEnd end;
    const std::unique_ptr<DirEnumeration> entries =
        walk.fs.FindFirst(pattern, filter, detail, end.failure);
    if (!entries) return end;
    DirEntry entry;
    while (entries->Next(entry)) {
        handle(std::as_const(entry));
        if (walk.log.Pump()) return end;
    }
    end.failure = entries->ReadError();
    end.leaf = end.failure.empty() && entries->MetNoFolder();
    return end;
}

// A folder that could not be read is listed under its destination path, so the summary
// counts what it may hold as missed.
void ListFailedFolder(WalkState& walk, const Folder& folder, const std::string& failure) {
    std::string line = folder.destination;
    if (line.size() > 3 && line.back() == '\\') line.pop_back();
    walk.log.List(walk.log.Observer().ShownPath(line));
    walk.log.FailNewest("   FAILED: " + failure);
}

// Entries that hold no data (FIFOs, sockets, devices, dangling links) are system entries.
bool HoldsData(const DirEntry& entry) {
    return (entry.attributes & (kAttrSystem | kAttrDirectory)) == 0;
}

std::string LineOfShown(const WalkState& walk, const std::string& shown, FileStamp time) {
    return shown + "   " + FormatDateTimeText(StampToDateTime(time), walk.locale);
}

std::string ListLine(const WalkState& walk, const std::string& target, FileStamp time) {
    return LineOfShown(walk, walk.log.Observer().ShownPath(target), time);
}

// Missing destination folders take the bits of the source folders they copy.
CopyOutcome EnsureFolder(WalkState& walk, const Folder& folder) {
    if (walk.knownFolder == folder.destination) return {};
    const std::string below = folder.source.substr(std::min(walk.rootLength, folder.source.size()));
    const auto levels = static_cast<std::size_t>(std::count(below.begin(), below.end(), '\\'));
    CopyOutcome made = ForceDirectories(walk.fs, folder.destination, folder.source, levels);
    if (made.ok) walk.knownFolder = folder.destination;
    if (!made.ok && made.reason.empty()) made.reason = "folder could not be created";
    return made;
}

void CopyOne(WalkState& walk, ListedCopy copy) {
    walk.log.StartFile(copy.size);
    const CopyOutcome outcome = walk.fs.CopyFile(copy.source, copy.destination, walk.log);
    if (outcome.ok) {
        walk.log.Count(copy.size);
        if (outcome.staged) {
            walk.staged.Add(std::move(copy));
        } else if (walk.checks != nullptr) {
            walk.checks->Add(std::move(copy));
        }
        // This copy and those staged before may have been named meanwhile.
        walk.staged.Settle();
        // What waits there is on the disk already: a staged copy waits once it is named.
        if (walk.checks != nullptr && walk.checks->Full()) walk.checks->Run();
        return;
    }
    walk.knownFolder.clear();  // the folder may have gone; test it again next time
    std::string reason = walk.log.Cancelled() ? "cancelled" : outcome.reason;
    if (reason.empty()) reason = "copy failed";
    walk.log.FailNewest("   FAILED: " + reason);
    walk.staged.Settle();
}

void CopyIfNeeded(WalkState& walk, const Folder& folder, const DirEntry& entry,
                  const std::string& target) {
    const DestinationState state = walk.fs.StateOf(target);
    if (!NeedsCopy(entry, state)) return;
    const CopyOutcome made = state.stamp == kNoFile ? EnsureFolder(walk, folder) : CopyOutcome{};
    std::string text = ListLine(walk, target, entry.time);
    const std::size_t line = walk.log.List(text);
    if (!made.ok) return walk.log.FailNewest("   FAILED: " + made.reason);
    CopyOne(walk, {folder.source + entry.name, target, entry.size, entry.fineTime, line,
                   std::move(text)});
}

void ListIfNeeded(WalkState& walk, const DirEntry& entry, const std::string& target) {
    const CopyReason reason = WhyCopy(entry, walk.fs.StateOf(target));
    if (reason == CopyReason::None) return;
    walk.log.List(ListLine(walk, target, entry.time) + "   (" + ReasonText(reason) + ")");
    walk.log.Count(entry.size);
}

// Why the copy at target does not hold the source's bytes; empty when it does. A cancel
// leaves it unknown.
std::optional<std::string> Difference(WalkState& walk, const Folder& folder, const DirEntry& entry,
                                      const std::string& target) {
    const DestinationState state = walk.fs.StateOf(target);
    if (state.stamp == kNoFile) return "missing";
    if (!state.regular) return "not a regular file";
    if (state.size && *state.size != entry.size) {
        return "other size: " + std::to_string(*state.size) + " bytes, its source " +
               std::to_string(entry.size);
    }
    walk.log.StartFile(entry.size);
    const Comparison check = walk.compare.Compare(folder.source + entry.name, target, entry.size,
                                                  ReadFrom::Anywhere, walk.log);
    if (check.cancelled) return std::nullopt;
    return check.difference;
}

void VerifyOne(WalkState& walk, const Folder& folder, const DirEntry& entry,
               const std::string& target) {
    const std::optional<std::string> difference = Difference(walk, folder, entry, target);
    if (!difference) return;
    walk.log.List(ListLine(walk, target, entry.time));
    if (!difference->empty()) return walk.log.FailNewest("   FAILED: " + *difference);
    walk.log.Count(entry.size);
}

// Whether the walk looks at the entry's destination: a file with data that no exclusion
// takes out and whose name can be written in a folder text.
bool LooksAtDestination(const Folder& folder, const DirEntry& entry) {
    return HoldsData(entry) && !folder.exclusions.Excludes(entry.name) &&
           !HoldsBackslash(entry.name);
}

// Entries read ahead of the file pass, whose destinations the file system is told of.
constexpr std::size_t kLookAhead = 32;

// Reads up to kLookAhead entries and tells the file system which destinations the walk will
// look at; false once none is left.
bool ReadAhead(WalkState& walk, const Folder& folder, DirEnumeration& entries,
               std::vector<DirEntry>& ahead) {
    ahead.clear();
    std::vector<std::string> targets;
    DirEntry entry;
    while (ahead.size() < kLookAhead && entries.Next(entry)) {
        if (LooksAtDestination(folder, entry)) targets.push_back(folder.destination + entry.name);
        ahead.push_back(std::move(entry));
    }
    if (!targets.empty()) walk.fs.Expect(targets);
    return !ahead.empty();
}

// The file pass: entries are read a few ahead, and the next few are read while the file
// system looks up the destinations of these, so it can do both at once; each is still
// handled in order, with a pump after it.
template <typename Handle>
PassEnd ForEachFile(WalkState& walk, const Folder& folder, const std::string& pattern,
                    Handle handle) {
    PassEnd end;
    const std::unique_ptr<DirEnumeration> entries =
        walk.fs.FindFirst(pattern, kFilterFiles, EntryDetail::Full, end.failure);
    if (!entries) return end;
    std::vector<DirEntry> now;
    std::vector<DirEntry> next;
    for (bool more = ReadAhead(walk, folder, *entries, now); more; now.swap(next)) {
        more = ReadAhead(walk, folder, *entries, next);
        for (const DirEntry& entry : now) {
            handle(entry);
            if (walk.log.Pump()) return end;
        }
    }
    end.failure = entries->ReadError();
    end.leaf = end.failure.empty() && entries->MetNoFolder();
    return end;
}

void HandleFile(WalkState& walk, const Folder& folder, const DirEntry& entry) {
    if (!HoldsData(entry) || folder.exclusions.Excludes(entry.name)) return;
    const std::string target = folder.destination + entry.name;
    if (HoldsBackslash(entry.name)) {
        const std::string shown = ShownInFolder(walk.log, folder.destination, entry.name);
        walk.log.List(LineOfShown(walk, shown, entry.time));
        walk.log.FailNewest(kBackslashReason);
        return;
    }
    switch (walk.mode) {
        case RunMode::Copy:
            return CopyIfNeeded(walk, folder, entry, target);
        case RunMode::DryRun:
            return ListIfNeeded(walk, entry, target);
        case RunMode::Verify:
            return VerifyOne(walk, folder, entry, target);
    }
}

bool IsWalkable(const DirEntry& entry) {
    // Hidden and system folders (links to folders among them) are never entered.
    const std::uint32_t skipped = kAttrHidden | kAttrSystem;
    return (entry.attributes & kAttrDirectory) != 0 && (entry.attributes & skipped) == 0 &&
           entry.name != "." && entry.name != "..";
}

}  // namespace

struct TreeCopy::Walk : WalkState {};

void TreeCopy::FileSearch(const std::string& pathName, const std::string& mask,
                          bool includeSubfolders) {
    Walk walk{{fs_,
               log_,
               locale_,
               mode_,
               staged_,
               checkCopies_ ? &checks_ : nullptr,
               compare_,
               pathName.size(),
               {}}};
    Visit(pathName, mask, includeSubfolders, walk);
}

CopyOutcome TreeCopy::Flush() {
    const CopyOutcome flushed = fs_.Flush();
    staged_.Settle();
    if (flushed.ok) {
        checks_.Run();
    } else {
        checks_.Drop();
    }
    return flushed;
}

void TreeCopy::Visit(const std::string& pathName, const std::string& mask, bool includeSubfolders,
                     Walk& walk) {
    const Folder folder = ReadFolder(walk, pathName);
    // Only a run that writes may clear away what an earlier one left.
    if (mode_ == RunMode::Copy) {
        fs_.SweepLeftovers(folder.destination);
    } else {
        fs_.EnterFolder(folder.destination);
    }
    const auto handleFile = [&](const DirEntry& entry) { HandleFile(walk, folder, entry); };
    const PassEnd files = ForEachFile(walk, folder, folder.source + mask, handleFile);
    if (!files.failure.empty()) ListFailedFolder(walk, folder, files.failure);
    if (!includeSubfolders || log_.Cancelled() || files.leaf) return;
    const auto visitSubfolder = [&](const DirEntry& entry) {
        if (!IsWalkable(entry)) return;
        if (HoldsBackslash(entry.name)) {
            log_.List(ShownInFolder(log_, folder.destination, entry.name));
            log_.FailNewest(kBackslashReason);
            return;
        }
        const std::string subfolder = folder.source + entry.name;
        // A destination inside the source would otherwise be copied into itself.
        if (fs_.SameFolder(subfolder, folder.root)) return;
        Visit(subfolder, mask, true, walk);
    };
    const PassEnd folders = ForEachEntry(walk, folder.source + "*.*", kFilterFolders,
                                         EntryDetail::KindOnly, visitSubfolder);
    // One line per folder, however many of its passes failed.
    if (files.failure.empty() && !folders.failure.empty()) {
        ListFailedFolder(walk, folder, folders.failure);
    }
}

}  // namespace zarvik3
