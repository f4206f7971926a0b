#include "platform/settings_location.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>

namespace zarvik3 {

namespace {

constexpr std::string_view kFileName = "settings.ini";

bool IsRegularFile(const std::string& path) {
    struct stat status;
    return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

bool Exists(const std::string& path) {
    struct stat status;
    return lstat(path.c_str(), &status) == 0;
}

// The profile layer treats a file without the owner's write bit as read-only, even for root.
bool MayWriteFile(const std::string& path) {
    struct stat status;
    return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
           (status.st_mode & S_IWUSR) != 0 && access(path.c_str(), W_OK) == 0;
}

bool IsWithin(const std::string& path, std::string_view tree) {
    return path == tree || (path.starts_with(tree) && path[tree.size()] == '/');
}

// The trees the file-system hierarchy keeps for installed, read-only programs.
bool IsSystemProgramFolder(const std::string& folder) {
    for (std::string_view tree : {"/usr", "/bin", "/sbin", "/lib", "/opt", "/snap"}) {
        if (IsWithin(folder, tree)) return true;
    }
    return false;
}

std::string Absolute(const char* value) {
    return value != nullptr && value[0] == '/' ? std::string(value) : std::string();
}

std::string HomeFolder() {
    std::string home = Absolute(std::getenv("HOME"));
    if (!home.empty()) return home;
    const struct passwd* user = getpwuid(getuid());
    return user != nullptr ? Absolute(user->pw_dir) : "/";
}

// The XDG base directory rule: a relative $XDG_CONFIG_HOME is ignored.
std::string ConfigFolder() {
    const std::string configured = Absolute(std::getenv("XDG_CONFIG_HOME"));
    return (configured.empty() ? HomeFolder() + "/.config" : configured) + "/zarvik3";
}

// Linked into place, so a file another copy of the program made meanwhile is never replaced.
void CopyIfMissing(const std::string& from, const std::string& to) {
    std::ifstream in(from, std::ios::binary);
    const std::string content((std::istreambuf_iterator<char>(in)), {});
    if (!in.good() && !in.eof()) return;
    const std::string temporary = to + ".new." + std::to_string(getpid());
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << content;
        out.flush();
        if (!out) {
            unlink(temporary.c_str());
            return;
        }
    }
    if (link(temporary.c_str(), to.c_str()) != 0 && errno != EEXIST) {
        unlink(temporary.c_str());
        return;
    }
    unlink(temporary.c_str());
}

}  // namespace

namespace {

int MakeFolderTree(const std::string& folder) {
    if (folder.empty() || IsRegularFile(folder)) return folder.empty() ? ENOENT : ENOTDIR;
    const std::size_t slash = folder.rfind('/');
    if (slash != std::string::npos && slash > 0 && !Exists(folder.substr(0, slash))) {
        if (const int error = MakeFolderTree(folder.substr(0, slash))) return error;
    }
    if (mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST) return 0;
    return errno;
}

}  // namespace

int MakeSettingsFolder(const NativePath& folder) {
    return MakeFolderTree(folder.Text());
}

NativePath ProgramFolder() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return NativePath(std::filesystem::current_path(error).string());
    return NativePath(self.parent_path().string());
}

SettingsLocation LocateSettingsFile(const NativePath& programPath, SettingsUse use) {
    const std::string& programFolder = programPath.Text();
    const std::string beside = programFolder + "/" + std::string(kFileName);
    // Every write replaces the file through a temporary beside it, so the folder must take
    // new entries even when the file itself may be written.
    const bool folderWritable = access(programFolder.c_str(), W_OK | X_OK) == 0;
    if (!IsSystemProgramFolder(programFolder) && folderWritable &&
        (!Exists(beside) || MayWriteFile(beside))) {
        return {NativePath(beside), {}};
    }
    const std::string file = ConfigFolder() + "/" + std::string(kFileName);
    SettingsLocation perUser{NativePath(file), NativePath(ConfigFolder())};
    if (!Exists(file) && IsRegularFile(beside) && access(beside.c_str(), R_OK) == 0) {
        if (use == SettingsUse::ReadOnly) return {NativePath(beside), {}};
        if (MakeSettingsFolder(perUser.folderToCreate) == 0) CopyIfMissing(beside, file);
    }
    return perUser;
}

}  // namespace zarvik3
