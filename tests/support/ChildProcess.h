#pragma once

#include <functional>
#include <sys/wait.h>
#include <unistd.h>

// Runs `body` in a forked child and returns its exit status (-1 when it did not exit, for
// example when it was killed). For what must not touch the test process: lowered limits,
// another user, a simulated crash.
inline int RunInChild(const std::function<int()>& body) {
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(body());
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}
