// Headless copy run over the real platform layer, for timing against cp and rsync.
#include <exception>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "bench/bench_options.h"
#include "bench/null_copy_view.h"
#include "copy/copy_run.h"
#include "copy/process_values.h"
#include "platform/platform.h"

namespace {

using zarvik3::bench::FolderText;
using zarvik3::bench::Options;

int Run(const Options& options) {
    zarvik3::Platform platform = zarvik3::CreatePlatform("/nonexistent/settings.ini");
    const auto from = FolderText(*platform.drives, options.from);
    const auto to = FolderText(*platform.drives, options.to);
    if (!from || !to) {
        std::cerr << "zarvik3-bench: no drive letter covers FROM or TO\n";
        return 1;
    }
    zarvik3::bench::NullCopyView view;
    view.from = *from;
    view.to = *to;
    view.mask = options.mask;
    view.exclude = options.exclude;
    view.subfolders = options.subfolders;
    zarvik3::ProcessValues values;
    zarvik3::CopyRun run(*platform.fileSystem, *platform.drives, *platform.clock, view, values,
                         platform.conditions->Locale());
    run.RefreshEachRun(*platform.conditions);  // as the window does: part of each run's cost
    run.btCopyClick();
    if (view.endedByMessage) return 1;
    std::cout << view.status << '\n';
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const auto options =
        zarvik3::bench::ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!options) return zarvik3::bench::Usage("zarvik3-bench");
    try {
        return Run(*options);
    } catch (const std::exception& error) {
        std::cerr << "zarvik3-bench: " << error.what() << '\n';
        return 1;
    }
}
