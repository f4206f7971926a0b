#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/drives.h"

namespace zarvik3::test {

// Drives with types and sizes set by the test.
class FakeDrives : public Drives {
  public:
    std::map<std::string, int> types;  // by root, "X:\"
    std::map<std::string, std::int64_t> sizes;
    std::function<void()> onSizeQuery;  // may throw, as a failing query might
    std::vector<std::string> typeQueries;

    int GetDriveType(const std::string& root) override {
        typeQueries.push_back(root);
        const auto it = types.find(root);
        return it == types.end() ? kDriveNoRoot : it->second;
    }
    std::int64_t DiskTotalSize(const std::string& root) override {
        if (onSizeQuery) onSizeQuery();
        const auto it = sizes.find(root);
        return it == sizes.end() ? -1 : it->second;
    }
    std::optional<NativePath> ToNativePath(const FolderText&) override { return std::nullopt; }
    std::optional<FolderText> ToFolderText(const NativePath&) override { return std::nullopt; }
};

// A clock that gives the listed times in turn, then keeps giving the last one.
class FakeClock : public Clock {
  public:
    std::vector<TDateTime> times{45000.5};

    TDateTime Now() override {
        const TDateTime now = times[next_ < times.size() ? next_ : times.size() - 1];
        ++next_;
        return now;
    }

  private:
    std::size_t next_ = 0;
};

}  // namespace zarvik3::test
