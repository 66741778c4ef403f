#pragma once

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace brushly::testing {

// Runs work in a forked child, so that what it changes in its process (resource limits,
// signal handling, identity) stays there; returns the child's exit status (what work
// returned, 0 to 255) or -1 when the child did not exit on its own. Work must not throw.
inline int RunInChild(const std::function<int()>& work) {
    const pid_t child = fork();
    if (child < 0) return -1;
    if (child == 0) _exit(work());
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

// RunInChild as an ordinary user: a child of the superuser first becomes "nobody" (user and
// group 65534), for whom permissions hold as they do for a student; the superuser would write
// into a read-only folder. Returns 255 when the identity could not be taken.
inline int RunAsUserInChild(const std::function<int()>& work) {
    return RunInChild([&work] {
        constexpr uid_t kNobody = 65534;
        if (geteuid() == 0 &&
            (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0)) {
            return 255;
        }
        return work();
    });
}

}  // namespace brushly::testing
