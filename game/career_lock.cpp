#include "game/career_lock.h"

#include <fcntl.h>
#include <sys/file.h>
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
    const int fd = OpenPlainFile(target + ".lock", O_RDONLY | O_CREAT | O_NOFOLLOW, nullptr, 0644);
    if (fd < 0) return CareerHold::Unlockable;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool other = errno == EWOULDBLOCK;
        ::close(fd);
        return other ? CareerHold::HeldByOther : CareerHold::Unlockable;
    }
    g_careerLock = fd;
    return CareerHold::Held;
}
