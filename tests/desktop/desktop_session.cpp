#include "desktop/desktop_session.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTest>
#include <QWidget>
#include <chrono>
#include <cstdlib>
#include <thread>
#include <vector>

namespace zarvik3::test {
namespace {

constexpr int kStartTimeoutMs = 10000;

// Runs argv with output discarded; the child gets SIGTERM when this process dies.
pid_t Spawn(const std::vector<std::string>& argv, int keepFd = -1) {
    const pid_t pid = fork();
    if (pid != 0) return pid;
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    const int null = open("/dev/null", O_RDWR);
    dup2(null, STDIN_FILENO);
    dup2(null, STDOUT_FILENO);
    dup2(null, STDERR_FILENO);
    std::vector<char*> args;
    for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    if (keepFd >= 0) fcntl(keepFd, F_SETFD, 0);
    execvp(args[0], args.data());
    _exit(127);
}

// Reads the display number Xvfb writes once it accepts connections.
std::string ReadDisplayNumber(int fd) {
    std::string number;
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(kStartTimeoutMs);
    while (std::chrono::steady_clock::now() < deadline) {
        pollfd ready{fd, POLLIN, 0};
        if (poll(&ready, 1, 100) <= 0) continue;
        char c = 0;
        if (read(fd, &c, 1) != 1) break;
        if (c == '\n') return number;
        number += c;
    }
    return {};
}

void Stop(pid_t& pid) {
    if (pid <= 0) return;
    kill(pid, SIGTERM);
    for (int i = 0; i < 50 && waitpid(pid, nullptr, WNOHANG) == 0; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    if (waitpid(pid, nullptr, WNOHANG) == 0) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    pid = -1;
}

}  // namespace

DesktopSession::~DesktopSession() {
    Stop(windowManager_);
    Stop(server_);
}

std::string DesktopSession::StartServer() {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) return "no pipe for Xvfb";
    server_ = Spawn({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", "1280x800x24",
                     "-nolisten", "tcp"},
                    fds[1]);
    close(fds[1]);
    const std::string number = ReadDisplayNumber(fds[0]);
    close(fds[0]);
    if (number.empty()) return "Xvfb did not start (is it installed?)";
    setenv("DISPLAY", (":" + number).c_str(), 1);
    return {};
}

std::string DesktopSession::Start() {
    if (std::string problem = StartServer(); !problem.empty()) return problem;
    windowManager_ = Spawn({"openbox"});
    if (windowManager_ < 0) return "openbox did not start";
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    return {};
}

// A window mapped before the window manager took over may stay unframed, so each try shows
// a fresh one.
std::string WaitForWindowManager() {
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(kStartTimeoutMs);
    while (std::chrono::steady_clock::now() < deadline) {
        QWidget probe;
        probe.resize(100, 100);
        probe.show();
        if (QTest::qWaitFor([&] { return probe.frameGeometry().size() != probe.size(); }, 1000)) {
            return {};
        }
    }
    return "openbox framed no window (is it installed?)";
}

}  // namespace zarvik3::test
