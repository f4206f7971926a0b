#include "ui/qt/program_start.h"

#include <QApplication>

#include "platform/platform.h"
#include "platform/settings_location.h"
#include "ui/qt/about_boxer.h"
#include "ui/qt/message_box_sink.h"
#include "ui/qt/plimo_form.h"
#include "window/process_values.h"

namespace zarvik3 {

int RunProgram(QApplication& application) {
    // The name only, not a display name, which Qt would append to every window caption.
    QApplication::setApplicationName(QStringLiteral("Zarvik3"));
    // The window locates the same file again for its own reads and writes.
    const NativePath programFolder(QCoreApplication::applicationDirPath().toStdString());
    Platform platform = CreatePlatform(LocateSettingsFile(programFolder).file);
    // Updated in place at each run, so the list and the history follow the locale.
    const LocaleDateSettings& locale = platform.conditions->Locale();
    ProcessValues values;
    MessageBoxSink messages;
    TPlimoForm form(platform, values, locale, messages, programFolder);
    TAboutBoxer about;
    // Left open, it must not keep the program running once the main window has closed.
    about.setAttribute(Qt::WA_QuitOnClose, false);
    form.SetAboutBoxer(&about);
    form.show();
    return application.exec();
}

}  // namespace zarvik3
