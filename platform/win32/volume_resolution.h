#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace zarvik3 {

// Nanoseconds per tick of the last-write times each volume keeps, asked once per volume.
class VolumeResolutions {
  public:
    // path: a long path on the volume. 0 when only the packed stamp can be trusted.
    std::int64_t Of(const std::wstring& path);

  private:
    std::wstring lastFolder_;
    std::int64_t lastResolution_ = 0;
    std::map<std::wstring, std::int64_t> byRoot_;
};

// 100 ns for the file systems that keep FILETIMEs whole; 0 for FAT (2 s), exFAT (10 ms
// with a zone the volume may not record) and any other.
std::int64_t ResolutionOfFileSystem(const std::wstring& name);

}  // namespace zarvik3
