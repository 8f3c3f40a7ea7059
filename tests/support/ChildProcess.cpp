#include "ChildProcess.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

bool WriteText(const std::string& path, const std::string& text) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = ::write(fd, text.data(), text.size()) == ssize_t(text.size());
    ::close(fd);
    return ok;
}

// A mount namespace of the child's own, so the mount vanishes with it; as a user
// without the right to mount, inside a user namespace where it is root.
bool MountSmallTmpfs(const std::string& folder) {
    if (::unshare(CLONE_NEWNS) != 0) {
        const uid_t uid = ::getuid();
        const gid_t gid = ::getgid();
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) return false;
        WriteText("/proc/self/setgroups", "deny");
        if (!WriteText("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") ||
            !WriteText("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1"))
            return false;
    }
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) return false;
    return ::mount("tmpfs", folder.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=64k") == 0;
}

}  // namespace

std::string RunInChild(const std::function<std::string()>& body, unsigned seconds) {
    int channel[2];
    if (::pipe2(channel, O_CLOEXEC) != 0) return std::string("pipe: ") + std::strerror(errno);
    const pid_t child = ::fork();
    if (child < 0) return std::string("fork: ") + std::strerror(errno);
    if (child == 0) {
        ::close(channel[0]);
        ::alarm(seconds);
        const std::string result = body();
        if (::write(channel[1], result.data(), result.size()) < 0) ::_exit(3);
        ::_exit(0);
    }
    ::close(channel[1]);
    std::string result;
    char buffer[512];
    ssize_t got;
    while ((got = ::read(channel[0], buffer, sizeof buffer)) > 0 || (got < 0 && errno == EINTR))
        if (got > 0) result.append(buffer, size_t(got));
    ::close(channel[0]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFSIGNALED(status))
        return WTERMSIG(status) == SIGALRM ? "the child was still running after " + std::to_string(seconds) + " s"
                                           : std::string("the child died of ") + ::strsignal(WTERMSIG(status));
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "the child exited with " + std::to_string(WEXITSTATUS(status));
    return result;
}

std::string RunOnSmallDisk(const std::string& folder, const std::function<std::string(bool mounted)>& body) {
    return RunInChild([&] { return body(MountSmallTmpfs(folder)); });
}

bool FillDisk(const std::string& folder, bool mounted) {
    if (!mounted) {
        std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails with EFBIG instead
        const rlimit limit{16, 16};
        return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    const int fd = ::open((folder + "/filler").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return errno == ENOSPC;
    static const char block[4096] = {};
    ssize_t written;
    while ((written = ::write(fd, block, sizeof block)) > 0) {
    }
    const int error = errno;
    ::close(fd);
    return written < 0 && error == ENOSPC;
}
