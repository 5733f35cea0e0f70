#include "game/career_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "game/save.h"
#include "platform/plain_file.h"

namespace {
int g_careerLock = -1;
}

CareerHold HoldCareer() {
    if (g_careerLock >= 0) return CareerHold::Held;
    // Through the links to the file itself, so that a save reached by a
    // link is the same career as the file it names.
    std::string target;
    if (!ResolveLinks(kSaveFileName, target)) target = kSaveFileName;
    const std::string lockFile = target + ".lock";
    const int fd = ::open(lockFile.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        if (fd >= 0) ::close(fd);
        return CareerHold::Unlockable;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool other = errno == EWOULDBLOCK;
        ::close(fd);
        return other ? CareerHold::HeldByOther : CareerHold::Unlockable;
    }
    g_careerLock = fd;
    return CareerHold::Held;
}
