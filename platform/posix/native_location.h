#pragma once

#include <fcntl.h>

#include <string>
#include <utility>

#include "platform/posix/unique_fd.h"

namespace zarvik3 {

// A native path as a folder descriptor and a name inside it, for the *at calls. A path the
// kernel takes whole is used as it is (AT_FDCWD); a longer one is reached by opening its
// folders piece by piece, each piece short enough for the kernel, links followed as usual.
class NativeLocation {
  public:
    explicit NativeLocation(const std::string& path);
    // A name inside a folder already open; the descriptor stays the caller's.
    NativeLocation(int folder, std::string name) : borrowed_(folder), name_(std::move(name)) {}

    // False when a folder on the way could not be opened; errno tells why.
    bool Valid() const { return valid_; }
    int Folder() const { return folder_.Valid() ? folder_.Get() : borrowed_; }
    const char* Name() const { return name_.c_str(); }
    // The last name of the path alone.
    std::string BaseName() const { return name_.substr(prefix_); }
    // What to pass with Folder() for another name in the same folder.
    std::string Sibling(const std::string& name) const { return name_.substr(0, prefix_) + name; }

  private:
    UniqueFd folder_;
    int borrowed_ = AT_FDCWD;
    std::string name_;
    std::size_t prefix_ = 0;  // length of the folder part Name() still holds
    bool valid_ = true;
};

}  // namespace zarvik3
