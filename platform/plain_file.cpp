#include "platform/plain_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

int OpenPlainFile(const std::string& path, int flags, bool* notPlain, mode_t mode) {
    if (notPlain) *notPlain = false;
    const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, mode);
    if (fd < 0) return -1;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) return fd;
    ::close(fd);
    if (notPlain) *notPlain = true;
    errno = EINVAL;
    return -1;
}

bool ReadUpTo(int fd, std::size_t limit, std::string& out) {
    out.clear();
    char buf[4096];
    while (out.size() < limit) {
        const std::size_t want = std::min(sizeof buf, limit - out.size());
        const ssize_t n = ::read(fd, buf, want);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break;
        out.append(buf, static_cast<std::size_t>(n));
    }
    return true;
}
