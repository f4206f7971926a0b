#pragma once

#include <fcntl.h>
#include <sys/stat.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

namespace zarvik3::test {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempTree {
  public:
    TempTree() {
        std::string pattern = (std::filesystem::temp_directory_path() / "zarvik3-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        root_ = pattern;
    }
    ~TempTree() {
        std::error_code ignored;
        // Give every folder its write bit back first, so nothing a test locked stays behind.
        for (auto it = std::filesystem::recursive_directory_iterator(root_, ignored);
             it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
            if (it->is_directory(ignored) && !it->is_symlink(ignored)) {
                std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                             std::filesystem::perm_options::add, ignored);
            }
        }
        std::filesystem::remove_all(root_, ignored);
    }
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    const std::filesystem::path& Root() const { return root_; }
    std::filesystem::path Path(const std::string& relative) const { return root_ / relative; }

    void MakeFolder(const std::string& relative) const {
        std::filesystem::create_directories(Path(relative));
    }

    // Writes a file of the given content, creating its folders, with last-write time mtime
    // (seconds since 1970, UTC).
    void Write(const std::string& relative, const std::string& content,
               std::int64_t mtime = 1600000000) const {
        const std::filesystem::path path = Path(relative);
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << content;
        SetTime(relative, mtime);
    }

    void SetTime(const std::string& relative, std::int64_t mtime) const {
        const struct timespec times[2] = {{static_cast<time_t>(mtime), 0},
                                          {static_cast<time_t>(mtime), 0}};
        if (utimensat(AT_FDCWD, Path(relative).c_str(), times, AT_SYMLINK_NOFOLLOW) != 0) {
            throw std::runtime_error("utimensat failed: " + relative);
        }
    }

    std::int64_t Time(const std::string& relative) const {
        struct stat st {};
        if (stat(Path(relative).c_str(), &st) != 0) return -1;
        return st.st_mtim.tv_sec;
    }

    bool Exists(const std::string& relative) const {
        return std::filesystem::exists(Path(relative));
    }

    std::string Read(const std::string& relative) const {
        std::ifstream in(Path(relative), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

  private:
    std::filesystem::path root_;
};

}  // namespace zarvik3::test
