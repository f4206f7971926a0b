// zarvik3-copy: the window's copy run from the command line, for scheduled backups, with a
// dry run and a byte-for-byte verify besides.
// Exit status: 0 when nothing failed, 1 when a file failed or differed or the run was
// cancelled, 2 on bad usage or when the source or the destination is not available.
#include <exception>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/cancel_signal.h"
#include "cli/console.h"
#include "cli/copy_options.h"
#include "cli/last_copy_record.h"
#include "cli/printing_view.h"
#include "copy/copy_run.h"
#include "copy/summary_text.h"
#include "platform/platform.h"
#include "platform/settings_location.h"

namespace {

using zarvik3::cli::Options;

constexpr int kFailed = 1;
constexpr int kUnavailable = 2;

int Refuse(const std::string& message) {
    std::cerr << "zarvik3-copy: " << message << '\n';
    return kUnavailable;
}

struct Folders {
    std::string from;
    std::string to;
};

// FROM and TO as folder texts, or why the run cannot start.
std::optional<Folders> ResolveFolders(zarvik3::Platform& platform, const Options& options,
                                      std::string& error) {
    const auto from = zarvik3::cli::ToFolderArgument(*platform.drives, options.from);
    const auto to = zarvik3::cli::ToFolderArgument(*platform.drives, options.to);
    if (!from || !to) {
        error = "no drive letter covers " + (from ? options.to : options.from);
        return std::nullopt;
    }
    // The walk would take a missing source for an empty one and report a clean run.
    if (!from->empty() && !platform.fileSystem->DirectoryExists(*from)) {
        error = "FROM folder " + options.from + " does not exist or is not a folder";
        return std::nullopt;
    }
    return Folders{*from, *to};
}

// The drive message speaks of letters; a user who typed a path of this system reads of it.
std::string RefusalText(const Options& options, const zarvik3::CopySummary& summary) {
    if (!summary.driveUnavailable || options.folderTexts) return summary.refusal;
    return "the volume of TO folder " + options.to + " does not exist or is not available";
}

zarvik3::Platform CreateRunPlatform(const Options& options) {
    // A dry run or a verify leaves the settings file as it found it.
    const auto use = options.mode == zarvik3::RunMode::Copy ? zarvik3::SettingsUse::ReadWrite
                                                            : zarvik3::SettingsUse::ReadOnly;
    return zarvik3::CreatePlatform(zarvik3::LocateSettingsFile(zarvik3::ProgramFolder(), use).file,
                                   use);
}

int Run(const Options& options) {
    zarvik3::Platform platform = CreateRunPlatform(options);
    std::string error;
    const std::optional<Folders> folders = ResolveFolders(platform, options, error);
    if (!folders) return Refuse(error);
    // Updated in place when the run starts, as in the window.
    const zarvik3::LocaleDateSettings& locale = platform.conditions->Locale();
    const bool showProgress = !options.quiet && zarvik3::cli::ErrorIsTerminal();
    zarvik3::cli::PrintingView view(options, folders->to, std::cout, std::cerr,
                                    options.folderTexts ? nullptr : platform.drives.get(),
                                    showProgress ? &std::cerr : nullptr);
    zarvik3::CopyRun run(*platform.fileSystem, *platform.drives, *platform.clock, locale);
    run.RefreshEachRun(*platform.conditions);
    const zarvik3::CopySummary summary = run.Run(
        {folders->from, options.mask, options.subfolders, options.mode, options.verifyCopies},
        view);
    view.ClearProgress();
    if (!summary.refusal.empty()) return Refuse(RefusalText(options, summary));
    if (options.mode == zarvik3::RunMode::Copy && summary.totalKB > 0) {
        zarvik3::cli::RecordLastCopy(platform, locale, view.WalkedFrom(), folders->to, std::cerr);
    }
    view.Finish(zarvik3::ModeSummaryText(options.mode, summary));
    const bool failed = summary.failed > 0 || summary.cancelled;
    return failed ? kFailed : 0;
}

}  // namespace

int main(int argc, char** argv) {
    // Standard output keeps its own buffer, so a long list costs no write per line, except
    // on a terminal, where each line shows as it is known.
    std::ios::sync_with_stdio(false);
    zarvik3::cli::UseUtf8Output();
    if (zarvik3::cli::OutputIsTerminal()) std::cout << std::unitbuf;
    std::string error;
    const auto options =
        zarvik3::cli::ParseOptions(zarvik3::cli::ProgramArguments(argc, argv), error);
    if (!options) {
        std::cerr << "zarvik3-copy: " << error << '\n' << zarvik3::cli::UsageText("zarvik3-copy");
        return kUnavailable;
    }
    if (options->help) {
        std::cout << zarvik3::cli::HelpText("zarvik3-copy");
        return 0;
    }
    zarvik3::cli::InstallCancelHandlers();
    try {
        return Run(*options);
    } catch (const std::exception& failure) {
        std::cerr << "zarvik3-copy: " << failure.what() << '\n';
        return kFailed;
    }
}
