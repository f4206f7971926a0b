// The copy run through the real main window, offscreen, for timing against the headless run.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "copy/process_values.h"
#include "platform/locale_items.h"
#include "platform/platform.h"
#include "ui/folder_chooser.h"
#include "ui/message_sink.h"
#include "ui/plimo_form.h"

namespace {

constexpr int kUsageError = 2;

struct Options {
    std::string from;
    std::string to;
    std::string mask = "*.*";
    std::string exclude;  // nothing excluded, as with the headless run
    bool subfolders = true;
};

// Messages go to the terminal; a modal box would stop the measurement.
struct TerminalMessages : zarvik3::MessageSink {
    void ShowMessage(const std::string& text) override { Report(text); }
    void ShowError(const std::string& message) override { Report(message); }
    void Report(const std::string& text) {
        std::cerr << "zarvik3-window-bench: " << text << '\n';
        failed = true;
    }
    bool failed = false;
};

int Usage() {
    std::cerr << "usage: zarvik3-window-bench FROM TO [--mask M] [--exclude E] "
                 "[--no-subfolders]\n";
    return kUsageError;
}

std::optional<Options> ParseOptions(const std::vector<std::string>& args) {
    Options options;
    std::vector<std::string> folders;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--mask" && hasValue) {
            options.mask = args[++i];
        } else if (arg == "--exclude" && hasValue) {
            options.exclude = args[++i];
        } else if (arg == "--no-subfolders") {
            options.subfolders = false;
        } else if (arg.starts_with("--") || arg.empty()) {
            return std::nullopt;
        } else {
            folders.push_back(arg);
        }
    }
    if (folders.size() != 2) return std::nullopt;
    options.from = folders[0];
    options.to = folders[1];
    return options;
}

// The destination may not exist yet, so the path is made absolute by name only.
std::optional<std::string> FolderText(zarvik3::Drives& drives, const std::string& native) {
    std::string text = std::filesystem::absolute(native).lexically_normal().string();
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    return drives.ToFolderText(text);
}

template <typename T>
T& Control(zarvik3::TPlimoForm& form, const char* name) {
    return *form.findChild<T*>(QString::fromLatin1(name));
}

void FillFields(zarvik3::TPlimoForm& form, const Options& options, const std::string& from,
                const std::string& to) {
    Control<QComboBox>(form, "FromBox").setEditText(QString::fromStdString(from));
    Control<QComboBox>(form, "ToFolder").setEditText(QString::fromStdString(to));
    Control<QLineEdit>(form, "edFile").setText(QString::fromStdString(options.mask));
    Control<QLineEdit>(form, "edPrev").setText(QString::fromStdString(options.exclude));
    Control<QCheckBox>(form, "SubBox").setChecked(options.subfolders);
}

int Run(const Options& options) {
    zarvik3::Platform platform = zarvik3::CreatePlatform("/nonexistent/settings.ini");
    const auto from = FolderText(*platform.drives, options.from);
    const auto to = FolderText(*platform.drives, options.to);
    if (!from || !to) {
        std::cerr << "zarvik3-window-bench: no drive letter covers FROM or TO\n";
        return 1;
    }
    const zarvik3::LocaleDateSettings locale = zarvik3::LoadLocaleDateSettings();
    zarvik3::ProcessValues values;
    TerminalMessages messages;
    zarvik3::QtFolderChooser chooser;  // never opened: the bench does not browse
    zarvik3::TPlimoForm form(platform, values, locale, messages, chooser,
                             std::filesystem::temp_directory_path().string());
    form.show();
    QApplication::processEvents();
    FillFields(form, options, *from, *to);
    QElapsedTimer clock;
    clock.start();
    Control<QPushButton>(form, "btCopy").click();
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    if (messages.failed) return 1;
    std::cout << Control<QLabel>(form, "lblNumberFound").text().toStdString() << '\n'
              << "wall " << seconds << " s\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const auto options = ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!options) return Usage();
    try {
        return Run(*options);
    } catch (const std::exception& error) {
        std::cerr << "zarvik3-window-bench: " << error.what() << '\n';
        return 1;
    }
}
