#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>
#include <vector>

#include "platform/posix/drive_map.h"
#include "platform/posix/mount_table.h"
#include "platform/posix/posix_platform.h"
#include "platform/posix/volume_type.h"
#include "support/scratch_volume.h"
#include "support/temp_tree.h"

namespace zarvik3::test {

struct ScratchVolume::Native {
    TempTree tree;

    std::filesystem::path Of(std::string relative) const {
        std::replace(relative.begin(), relative.end(), '\\', '/');
        return tree.Path(relative);
    }
};

namespace {

constexpr long kTmpfsMagic = 0x01021994;

}  // namespace

ScratchVolume::ScratchVolume()
    : native_(std::make_unique<Native>()),
      platform_(CreatePosixPlatform(std::make_shared<const DriveMap>(
          std::map<char, std::string>{{'D', native_->tree.Root().string()}},
          std::vector<std::string>{}))) {}

ScratchVolume::~ScratchVolume() = default;

std::string ScratchVolume::Path(const std::string& relative) const {
    return "D:\\" + relative;
}

std::filesystem::path ScratchVolume::NativePath(const std::string& relative) const {
    return native_->Of(relative);
}

void ScratchVolume::Write(const std::string& relative, const std::string& bytes,
                          FileTime time) const {
    const auto path = native_->Of(relative);
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
    SetTime(relative, time);
}

void ScratchVolume::Append(const std::string& relative, const std::string& bytes) const {
    std::ofstream(native_->Of(relative), std::ios::binary | std::ios::app) << bytes;
}

void ScratchVolume::SetTime(const std::string& relative, FileTime time) const {
    const struct timespec times[2] = {{static_cast<time_t>(time.seconds), time.nanoseconds},
                                      {static_cast<time_t>(time.seconds), time.nanoseconds}};
    if (utimensat(AT_FDCWD, native_->Of(relative).c_str(), times, AT_SYMLINK_NOFOLLOW) != 0) {
        throw std::runtime_error("utimensat failed: " + relative);
    }
}

void ScratchVolume::MakeFolder(const std::string& relative) const {
    std::filesystem::create_directories(native_->Of(relative));
}

void ScratchVolume::SetReadOnly(const std::string& relative, bool readOnly) const {
    using std::filesystem::perms;
    std::filesystem::permissions(
        native_->Of(relative), perms::owner_write | perms::group_write | perms::others_write,
        readOnly ? std::filesystem::perm_options::remove : std::filesystem::perm_options::add);
}

std::string ScratchVolume::Hide(const std::string& relative) const {
    const auto path = native_->Of(relative);
    const std::string hidden = "." + path.filename().string();
    std::filesystem::rename(path, path.parent_path() / hidden);
    const auto slash = relative.find_last_of("\\/");
    return slash == std::string::npos ? hidden : relative.substr(0, slash + 1) + hidden;
}

bool ScratchVolume::WriteSparse(const std::string& relative, std::uint64_t size) const {
    const int fd = open(native_->Of(relative).c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const bool grown = ftruncate(fd, static_cast<off_t>(size)) == 0;
    close(fd);
    return grown;
}

bool ScratchVolume::LockOut(const std::string& relative) const {
    if (geteuid() == 0) return false;  // root reads every folder
    return chmod(native_->Of(relative).c_str(), 0) == 0;
}

std::string ScratchVolume::Read(const std::string& relative) const {
    std::ifstream in(native_->Of(relative), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string ScratchVolume::ReadText(const std::string& relative) const {
    return Read(relative);
}

bool ScratchVolume::Exists(const std::string& relative) const {
    std::error_code ignored;
    return std::filesystem::exists(std::filesystem::symlink_status(native_->Of(relative), ignored));
}

bool ScratchVolume::IsReadOnly(const std::string& relative) const {
    return access(native_->Of(relative).c_str(), F_OK) == 0 &&
           (std::filesystem::status(native_->Of(relative)).permissions() &
            std::filesystem::perms::owner_write) == std::filesystem::perms::none;
}

FileTime ScratchVolume::TimeOf(const std::string& relative) const {
    struct stat status {};
    if (lstat(native_->Of(relative).c_str(), &status) != 0) return {-1, 0};
    return {status.st_mtim.tv_sec, status.st_mtim.tv_nsec};
}

std::size_t ScratchVolume::EntryCount() const {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry :
         std::filesystem::recursive_directory_iterator(native_->tree.Root())) {
        ++count;
    }
    return count;
}

std::string ScratchVolume::SystemRoot() {
    return "C:\\";
}

bool ScratchVolume::SystemOnLocalDisk() {
    const auto mount = MountHolding(ReadMountTable(), "/");
    struct stat status {};
    struct statfs volume {};
    return mount && DriveTypeOfFileSystemName(mount->fileSystemType) == kDriveUnknown &&
           stat("/", &status) == 0 && !IsRemovableBlockDevice(status.st_dev) &&
           statfs("/", &volume) == 0 && volume.f_type != kTmpfsMagic;
}

std::int64_t LocalWallClock(int year, int month, int day, int hour, int minute, int second) {
    std::tm wall{};
    wall.tm_year = year - 1900;
    wall.tm_mon = month - 1;
    wall.tm_mday = day;
    wall.tm_hour = hour;
    wall.tm_min = minute;
    wall.tm_sec = second;
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return static_cast<std::int64_t>(timegm(&wall)) - local.tm_gmtoff;
}

bool RunsUnderWine() {
    return false;
}

}  // namespace zarvik3::test
