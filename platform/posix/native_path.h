#pragma once

#include <string>

namespace zarvik3 {

bool IsAbsoluteNativePath(const std::string& path);

// Repeated and trailing slashes dropped, "." and ".." resolved by name ("/" stays "/").
std::string NormalNativePath(const std::string& path);

// relative ("/"-separated, may start with "/") resolved under root; ".." never leaves root,
// as on Windows, where "E:\.." is "E:\".
std::string JoinUnderRoot(const std::string& root, const std::string& relative);

}  // namespace zarvik3
