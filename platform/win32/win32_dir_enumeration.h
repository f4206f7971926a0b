#pragma once

#include "platform/win32/windows_api.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/file_system.h"
#include "platform/win32/unique_handle.h"

namespace zarvik3 {

// One search of a folder, delivering the entries that pass a filter.
class Win32DirEnumeration : public DirEnumeration {
  public:
    // pattern: the long path of folder and name pattern. On failure to open, empty with
    // failure set when the folder could not be read, left empty when nothing is there.
    static std::unique_ptr<Win32DirEnumeration> Open(const std::wstring& pattern,
                                                     std::uint32_t filter, std::int64_t localOffset,
                                                     std::string& failure);

    bool Next(DirEntry& entry) override;
    std::string ReadError() const override { return readError_; }
    bool MetNoFolder() const override { return exhausted_ && seesEveryName_ && !metFolder_; }

  private:
    Win32DirEnumeration(HANDLE search, std::wstring folder, std::uint32_t filter,
                        std::int64_t localOffset);

    bool Deliverable(WIN32_FIND_DATAW& data);
    bool Advance();
    void Describe(DirEntry& entry) const;

    UniqueFindHandle search_;
    std::wstring folder_;  // the long path of the folder, with its closing backslash
    WIN32_FIND_DATAW current_{};
    bool haveCurrent_ = false;
    std::uint32_t passedOverBits_;
    std::int64_t localOffset_;
    std::string readError_;
    bool exhausted_ = false;
    bool metFolder_ = false;
    bool seesEveryName_ = false;
    std::wstring namePattern_;
};

}  // namespace zarvik3
