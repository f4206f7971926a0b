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

#include "bench/bench_options.h"
#include "platform/locale_items.h"
#include "platform/platform.h"
#include "ui/qt/plimo_form.h"
#include "window/message_sink.h"
#include "window/process_values.h"

namespace {

using zarvik3::bench::FolderText;
using zarvik3::bench::Options;

// Messages go to the terminal; a modal box would stop the measurement.
struct TerminalMessages : zarvik3::MessageSink {
    void ShowMessage(const std::string& text) override { Report(text); }
    void ShowError(const std::string& message) override { Report(message); }
    bool AskYesNo(const std::string& question) override {
        Report(question);
        return true;
    }
    void Report(const std::string& text) {
        std::cerr << "zarvik3-window-bench: " << text << '\n';
        failed = true;
    }
    bool failed = false;
};

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
    zarvik3::Platform platform =
        zarvik3::CreatePlatform(zarvik3::NativePath("/nonexistent/settings.ini"));
    const auto from = FolderText(*platform.drives, options.from);
    const auto to = FolderText(*platform.drives, options.to);
    if (!from || !to) {
        std::cerr << "zarvik3-window-bench: no drive letter covers FROM or TO\n";
        return 1;
    }
    const zarvik3::LocaleDateSettings locale = zarvik3::LoadLocaleDateSettings();
    zarvik3::ProcessValues values;
    TerminalMessages messages;
    zarvik3::TPlimoForm form(platform, values, locale, messages,
                             zarvik3::NativePath(std::filesystem::temp_directory_path().string()));
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
    const auto options =
        zarvik3::bench::ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!options) return zarvik3::bench::Usage("zarvik3-window-bench");
    try {
        return Run(*options);
    } catch (const std::exception& error) {
        std::cerr << "zarvik3-window-bench: " << error.what() << '\n';
        return 1;
    }
}
