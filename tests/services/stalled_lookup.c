/* Preloaded into the game by the launch report tests: the name lookup of a
 * host ending in ".stall.test" answers only after a minute, as a lookup
 * does whose name server never replies, and says so on stderr when it
 * starts waiting. Every other name goes to the real lookup. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <netdb.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

typedef int (*LookupFn)(const char*, const char*, const struct addrinfo*, struct addrinfo**);

static int Stalled(const char* node) {
    static const char suffix[] = ".stall.test";
    const size_t n = node ? strlen(node) : 0, s = sizeof suffix - 1;
    return n >= s && strcmp(node + n - s, suffix) == 0;
}

int getaddrinfo(const char* node, const char* service, const struct addrinfo* hints, struct addrinfo** res) {
    if (Stalled(node)) {
        static const char line[] = "stalled lookup\n";
        if (write(STDERR_FILENO, line, sizeof line - 1) < 0) {
        }
        struct timespec left = {60, 0};
        while (nanosleep(&left, &left) != 0) {
        }
        return EAI_AGAIN;
    }
    const LookupFn real = (LookupFn)dlsym(RTLD_NEXT, "getaddrinfo");
    return real ? real(node, service, hints, res) : EAI_FAIL;
}
