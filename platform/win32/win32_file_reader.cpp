#include "platform/win32/win32_file_reader.h"

#include "platform/win32/windows_api.h"

#include <algorithm>
#include <utility>

#include "platform/win32/system_message.h"
#include "platform/win32/unique_handle.h"

namespace zarvik3 {
namespace {

// ReadFile takes at most a DWORD at a time.
constexpr std::size_t kLargestRead = 1u << 30;

class Win32FileReader : public FileReader {
  public:
    explicit Win32FileReader(UniqueHandle file) : file_(std::move(file)) {}

    std::int64_t Read(char* buffer, std::size_t size) override {
        std::size_t done = 0;
        while (done < size) {
            const auto wanted = static_cast<DWORD>(std::min(size - done, kLargestRead));
            DWORD got = 0;
            if (!ReadFile(file_.Get(), buffer + done, wanted, &got, nullptr)) {
                error_ = GetLastError();
                return -1;
            }
            done += got;
            // Only the end reads short; a read after it would not be whole sectors.
            if (got < wanted) break;
        }
        return static_cast<std::int64_t>(done);
    }

    std::string Error() const override { return SystemMessage(error_); }

  private:
    UniqueHandle file_;
    DWORD error_ = 0;
};

}  // namespace

std::unique_ptr<FileReader> OpenWin32FileReader(const std::wstring& path, ReadFrom from,
                                                std::string& failure) {
    // Without the system's cache the data comes from the disk; its reads must then be whole
    // sectors into an aligned buffer, which the caller promises for this case.
    const DWORD cache = from == ReadFrom::Disk ? FILE_FLAG_NO_BUFFERING : 0;
    UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN | cache, nullptr));
    if (!file.Valid()) {
        failure = SystemMessage(GetLastError());
        return nullptr;
    }
    return std::make_unique<Win32FileReader>(std::move(file));
}

}  // namespace zarvik3
