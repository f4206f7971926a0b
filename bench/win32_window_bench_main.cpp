// The copy run through the real native window, for timing against zarvik3-copy.exe under
// the same system.
#include <windows.h>

#include <commctrl.h>

#include <chrono>
#include <iostream>
#include <string>
#include <vector>

#include "bench/bench_options.h"
#include "platform/locale_items.h"
#include "platform/platform.h"
#include "platform/win32/wide_text.h"
#include "ui/win32/control_ids.h"
#include "ui/win32/plimo_form.h"

namespace {

using zarvik3::bench::FolderText;

void SetText(HWND window, int id, const std::string& text) {
    SetWindowTextW(GetDlgItem(window, id), zarvik3::Widen(text).c_str());
}

int Run(const zarvik3::bench::Options& options, const std::string& settingsFolder) {
    zarvik3::Platform platform =
        zarvik3::CreatePlatform(zarvik3::NativePath(settingsFolder + "\\settings.ini"));
    const auto from = FolderText(*platform.drives, options.from);
    const auto to = FolderText(*platform.drives, options.to);
    if (!from || !to) {
        std::cerr << "zarvik3-window-bench: FROM or TO is no folder text\n";
        return 1;
    }
    const zarvik3::LocaleDateSettings locale = zarvik3::LoadLocaleDateSettings();
    zarvik3::ProcessValues values;
    zarvik3::TPlimoForm form(platform, values, locale, zarvik3::NativePath(settingsFolder));
    const HWND window = form.Window();
    ShowWindow(window, SW_SHOWNORMAL);
    SetText(window, zarvik3::kFromBox, *from);
    SetText(window, zarvik3::kToFolder, *to);
    SetText(window, zarvik3::kEdFile, options.mask);
    SetText(window, zarvik3::kEdPrev, options.exclude);
    const auto started = std::chrono::steady_clock::now();
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(zarvik3::kBtCopy, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, zarvik3::kBtCopy)));
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
    wchar_t status[256] = {};
    GetDlgItemTextW(window, zarvik3::kLblNumberFound, status, 256);
    std::cout << zarvik3::Narrow(status) << "\nwall " << took.count() << " s\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_DATE_CLASSES};
    InitCommonControlsEx(&controls);
    const auto options =
        zarvik3::bench::ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!options) return zarvik3::bench::Usage("zarvik3-window-bench");
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, temp);
    try {
        return Run(*options, zarvik3::Narrow(temp) + "zarvik3-window-bench");
    } catch (const std::exception& error) {
        std::cerr << "zarvik3-window-bench: " << error.what() << '\n';
        return 1;
    }
}
