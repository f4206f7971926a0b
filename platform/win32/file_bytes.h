#pragma once

#include <optional>
#include <string>

namespace zarvik3 {

// The whole content of a file small enough to be a settings file; empty when it cannot be
// read or is larger, with the reason in error when one is asked for.
std::optional<std::string> ReadSmallFile(const std::wstring& path, unsigned long* error = nullptr);

// Makes the file, which must not exist yet, with the bytes, through to the disk.
bool WriteNewFile(const std::wstring& path, const std::string& bytes);

}  // namespace zarvik3
