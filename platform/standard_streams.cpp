#include "platform/standard_streams.h"

#include <fcntl.h>
#include <unistd.h>

void KeepStandardStreamsOpen() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (fcntl(fd, F_GETFD) != -1) continue;
        // open() takes the lowest free number, which is this one; should
        // that go wrong it is moved there.
        const int opened = open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
        if (opened < 0 || opened == fd) continue;
        dup2(opened, fd);
        close(opened);
    }
}
