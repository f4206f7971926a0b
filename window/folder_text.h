#pragma once

#include <string>

namespace zarvik3 {

// Folder text, ending in "\", for the name a folder dialog hands back: the part before the
// first "*", a shortcut name "X.lnk" taken as the folder X, otherwise cut back to its last
// backslash. A name with no backslash left to cut at gives the empty text: the caller then
// keeps the field's text, as after a cancel.
std::string FolderFromDialogName(const std::string& name);

// New To Directory text for "&Same Path": the From path without its drive (a profile path
// without its first three fields as well), on the drive of the To text or on "X:\". The
// caller refuses an empty From text.
std::string SamePathText(const std::string& from, const std::string& to);

}  // namespace zarvik3
