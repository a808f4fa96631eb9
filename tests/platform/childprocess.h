#pragma once
// Running a piece of a test in a child process, for what must not touch the
// test process itself: resource limits, a fatal signal, another user.

#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace platform::test {

// Runs `body` in a forked child and returns its wait status; the child ends
// with the code that `body` returns, and never dumps core.
inline int RunInChild(const std::function<int()>& body) {
    const pid_t child = fork();
    if (child == 0) {
        const rlimit noCore{0, 0};
        setrlimit(RLIMIT_CORE, &noCore);
        _exit(body());
    }
    int status = 0;
    waitpid(child, &status, 0);
    return status;
}

// Makes the calling process an unprivileged user when it runs as root, so that
// permission bits count; false when that fails.
inline bool BecomeUnprivileged() {
    constexpr uid_t kNobody = 65534;
    return geteuid() != 0 || (setgid(kNobody) == 0 && setuid(kNobody) == 0);
}

} // namespace platform::test
