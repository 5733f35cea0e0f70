#include <sys/wait.h>
#include <unistd.h>

#include "tests/support/support.h"

namespace testsupport {

CopiesWatch WatchCopiesWriting(int copies, const std::function<int(int)>& write,
                               const std::function<std::string()>& judge) {
    CopiesWatch watch;
    std::vector<pid_t> pids;
    for (int c = 0; c < copies; ++c) {
        const pid_t pid = fork();
        if (pid == 0) _exit(write(c));
        pids.push_back(pid);
        if (pid < 0) watch.statuses.push_back(-1);
    }
    for (int running = static_cast<int>(watch.statuses.size()); running < copies;) {
        const std::string why = judge();
        ++watch.reads;
        if (!why.empty() && watch.bad++ == 0) watch.firstBad = why;
        for (pid_t& pid : pids) {
            int status = 0;
            if (pid > 0 && waitpid(pid, &status, WNOHANG) == pid) {
                watch.statuses.push_back(status);
                pid = 0;
                ++running;
            }
        }
    }
    return watch;
}

}  // namespace testsupport
