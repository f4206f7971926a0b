// The Windows program with its native window.
#include <windows.h>

#include "ui/win32/program_start.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
    return zarvik3::RunProgram(show);
}
