#pragma once

#include <string>
#include <utility>

namespace zarvik3 {

// A folder text: drive letter, ":\" and backslash-separated names, the form the walk, the
// window and the settings file speak on every system.
using FolderText = std::string;

// A path in the system's own form ("/home/me" or "C:\Users\me"). A type of its own, so
// that it is never passed where a folder text is meant, nor the other way round: the two
// agree on Windows and differ on Linux, where a mix-up would go unnoticed on one system.
class NativePath {
  public:
    NativePath() = default;
    explicit NativePath(std::string path) : path_(std::move(path)) {}

    const std::string& Text() const { return path_; }
    bool Empty() const { return path_.empty(); }
    friend bool operator==(const NativePath&, const NativePath&) = default;

  private:
    std::string path_;
};

}  // namespace zarvik3
