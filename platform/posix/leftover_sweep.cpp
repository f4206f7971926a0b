#include "platform/posix/leftover_sweep.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

#include "platform/posix/unique_fd.h"

namespace zarvik3 {
namespace {

void RemoveIfUnlocked(int folder, const std::string& name) {
    const UniqueFd fd(openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat status {};
    if (!fd.Valid() || fstat(fd.Get(), &status) != 0 || !S_ISREG(status.st_mode)) return;
    // Holding the lock while removing keeps a writer from taking the file in between.
    if (flock(fd.Get(), LOCK_EX | LOCK_NB) != 0) return;
    unlinkat(folder, name.c_str(), 0);
}

}  // namespace

void SweepLeftovers(int folderFd, const std::function<bool(const std::string&)>& isOurs) {
    // Opened anew, as the folder may be held as a path alone.
    const int copy = openat(folderFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (copy < 0) return;
    DIR* dir = fdopendir(copy);
    if (dir == nullptr) {
        close(copy);
        return;
    }
    // Collected first: removing while reading may make readdir skip or repeat entries.
    std::vector<std::string> found;
    while (const dirent* record = readdir(dir)) {
        if (record->d_name[0] == '.' && isOurs(record->d_name)) found.emplace_back(record->d_name);
    }
    closedir(dir);
    for (const std::string& name : found) RemoveIfUnlocked(folderFd, name);
}

}  // namespace zarvik3
