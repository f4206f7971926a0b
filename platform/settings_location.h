#pragma once

#include <string>

#include "platform/path_kinds.h"
#include "platform/settings_use.h"

namespace zarvik3 {

// Where the settings file of a program in programFolder (a native path) lives. One
// implementation per platform, so the window and the command line decide alike.
struct SettingsLocation {
    NativePath file;  // settings.ini
    // Native folder made (mode 0700, with its parents) before the file's first write; empty
    // when the file lies beside the program.
    NativePath folderToCreate;
};

// settings.ini beside the program when the folder may be written and the file there, if any,
// too (portable use); never in the system's program trees (/usr, /opt, ...), which the
// package manager owns. Otherwise the per-user file
// $XDG_CONFIG_HOME/zarvik3/settings.ini (~/.config when unset or not absolute); a
// settings.ini beside the program that can only be read becomes its first content. ReadOnly
// makes and tries nothing: until the per-user file exists, the file beside the program is
// the one read.
SettingsLocation LocateSettingsFile(const NativePath& programFolder,
                                    SettingsUse use = SettingsUse::ReadWrite);

// Makes the folder and its missing parents; 0 or the system's error number of the failure.
int MakeSettingsFolder(const NativePath& folder);

// The native folder of the running program, whatever name it was started by.
NativePath ProgramFolder();

}  // namespace zarvik3
