#include "platform/posix/pseudo_file_system.h"

#include <fcntl.h>
#include <sys/statfs.h>
#include <sys/sysmacros.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/posix/unique_fd.h"

namespace zarvik3 {
namespace {

constexpr unsigned long kTmpfsMagic = 0x01021994;

bool IsPseudoMagic(unsigned long type) {
    constexpr std::array<unsigned long, 22> kMagics = {
        0x9fa0,      // proc
        0x62656572,  // sysfs
        0x1cd1,      // devpts
        0x27e0eb,    // cgroup
        0x63677270,  // cgroup2
        0x73636673,  // securityfs
        0x64626720,  // debugfs
        0x74726163,  // tracefs
        0x6165676c,  // pstore
        0xcafe4a11,  // bpf
        0x19800202,  // mqueue
        0x958458f6,  // hugetlbfs
        0x62656570,  // configfs
        0x65735543,  // fusectl
        0x42494e4d,  // binfmt_misc
        0x0187,      // autofs
        0xde5e81e4,  // efivarfs
        0xf97cff8c,  // selinuxfs
        0x43415d53,  // smackfs
        0x6e736673,  // nsfs
        0x9fa2,      // usbdevfs
        0x67596969,  // rpc_pipefs
    };
    return std::find(kMagics.begin(), kMagics.end(), type) != kMagics.end();
}

// devtmpfs reports tmpfs' magic number; only the mount table tells them apart.
bool IsDevtmpfs(dev_t device) {
    std::ifstream mounts("/proc/self/mountinfo");
    const std::string wanted = std::to_string(major(device)) + ":" + std::to_string(minor(device));
    std::string line;
    while (std::getline(mounts, line)) {
        std::istringstream fields(line);
        std::string id, parent, numbers;
        fields >> id >> parent >> numbers;
        if (numbers != wanted) continue;
        const auto dash = line.find(" - ");
        if (dash == std::string::npos) continue;
        std::istringstream tail(line.substr(dash + 3));
        std::string type;
        tail >> type;
        if (type == "devtmpfs") return true;
    }
    return false;
}

}  // namespace

bool IsPseudoFileSystemMount(int parentFd, const char* name, dev_t mountDevice) {
    UniqueFd folder(openat(parentFd, name, O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!folder.Valid()) return false;
    struct statfs info {};
    if (fstatfs(folder.Get(), &info) != 0) return false;
    // Magic numbers are 32-bit; some ABIs hold them in a signed word.
    const auto type = static_cast<unsigned long>(info.f_type) & 0xffffffffUL;
    if (IsPseudoMagic(type)) return true;
    return type == kTmpfsMagic && IsDevtmpfs(mountDevice);
}

}  // namespace zarvik3
