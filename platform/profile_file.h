#pragma once

#include <cstddef>
#include <string>

namespace zarvik3 {

// Why a profile write was refused: the file as the system names it, and the system's reason.
struct ProfileWriteFailure {
    std::string nativePath;  // empty when the path names no file
    std::string reason;      // "Read-only file system", "Is a directory", ...
};

// The Windows profile (INI) functions. Paths are folder texts. A null pointer has the
// meaning the Windows functions give it.
class ProfileFile {
  public:
    virtual ~ProfileFile() = default;

    // A value longer than bufferSize - 1 comes back cut to bufferSize - 1 characters.
    virtual std::string GetString(const std::string& path, const std::string& section,
                                  const std::string& key, const std::string& defaultValue,
                                  std::size_t bufferSize) = 0;

    // Null value deletes the key; null key deletes the section; all three null flushes.
    // False when the file cannot be written.
    virtual bool WriteString(const std::string* section, const std::string* key,
                             const std::string* value, const std::string& path) = 0;

    // Why the last refused WriteString failed, as GetLastError tells after a Windows call.
    virtual ProfileWriteFailure LastWriteFailure() const { return {}; }
};

}  // namespace zarvik3
