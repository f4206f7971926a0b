#pragma once

// What the command line takes from the system it runs on.
#include <optional>
#include <string>
#include <vector>

namespace zarvik3::cli {

// The arguments after the program's name, in UTF-8 whatever the system's code page.
std::vector<std::string> ProgramArguments(int argc, char** argv);

// Makes a console show the UTF-8 the program writes.
void UseUtf8Output();

// Whether standard output is a terminal, so each line should show as it is known.
bool OutputIsTerminal();
// Whether standard error is a terminal, where a progress line may be rewritten in place.
bool ErrorIsTerminal();

// A native path made absolute by name only (it may not exist yet), without a trailing
// separator; empty when the system cannot.
std::optional<std::string> AbsolutePath(const std::string& typed);

}  // namespace zarvik3::cli
