#pragma once

#include "platform/win32/windows_api.h"

#include <utility>

namespace zarvik3 {

// Closes a handle when it goes; file handles and search handles close differently.
template <BOOL(WINAPI* Close)(HANDLE)>
class BasicHandle {
  public:
    BasicHandle() = default;
    explicit BasicHandle(HANDLE handle) : handle_(handle) {}
    BasicHandle(BasicHandle&& other) noexcept : handle_(other.Release()) {}
    BasicHandle& operator=(BasicHandle&& other) noexcept {
        Reset(other.Release());
        return *this;
    }
    ~BasicHandle() { Reset(); }

    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    HANDLE Get() const { return handle_; }
    HANDLE Release() { return std::exchange(handle_, INVALID_HANDLE_VALUE); }
    void Reset(HANDLE handle = INVALID_HANDLE_VALUE) {
        if (Valid()) Close(handle_);
        handle_ = handle;
    }

  private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

using UniqueHandle = BasicHandle<CloseHandle>;
using UniqueFindHandle = BasicHandle<FindClose>;

}  // namespace zarvik3
