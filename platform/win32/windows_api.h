#pragma once

// The Win32 API without the macros that would rename the FileSystem interface's own
// CreateDirectory, CopyFile and SetCurrentDirectory wherever both are seen; the code here
// calls the ...W functions by their names.
#include <windows.h>

#undef CreateDirectory
#undef CopyFile
#undef SetCurrentDirectory
