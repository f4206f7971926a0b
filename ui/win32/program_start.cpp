#include "ui/win32/program_start.h"

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include "platform/settings_location.h"
#include "ui/win32/message_loop.h"
#include "ui/win32/plimo_form.h"
#include "window/process_values.h"

namespace zarvik3 {

int RunProgram(int show) {
    // The folder dialog is a COM object of the user-interface thread.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    INITCOMMONCONTROLSEX controls{sizeof(controls),
                                  ICC_STANDARD_CLASSES | ICC_DATE_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    const NativePath programFolder = ProgramFolder();
    Platform platform = CreatePlatform(LocateSettingsFile(programFolder).file);
    // Updated in place at each run, so the list and the history follow the locale.
    const LocaleDateSettings& locale = platform.conditions->Locale();
    ProcessValues values;
    int exitCode = 0;
    {
        TPlimoForm form(platform, values, locale, programFolder);
        ShowWindow(form.Window(), show);
        exitCode = RunMessageLoop();
    }
    CoUninitialize();
    return exitCode;
}

}  // namespace zarvik3
