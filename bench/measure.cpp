// measure PROGRAM [ARG...]: runs the program once and prints its wall time
// from start to end in microseconds, its peak resident memory (ru_maxrss of
// the child) in KiB and its CPU time (user and system) in microseconds:
// "wall_us maxrss_kib cpu_us". The program's own exit status is the tool's;
// 127 when it cannot be started.
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <unistd.h>

#include <chrono>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: measure PROGRAM [ARG...]\n");
        return 2;
    }
    const auto t0 = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[1], nullptr, nullptr, argv + 1, environ) != 0) {
        std::perror(argv[1]);
        return 127;
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) {
        std::perror("wait4");
        return 127;
    }
    const auto t1 = std::chrono::steady_clock::now();
    const auto us = std::chrono::duration_cast<std::chrono::microseconds>(t1 - t0).count();
    const auto cpu =
        (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000000LL + usage.ru_utime.tv_usec + usage.ru_stime.tv_usec;
    std::printf("%lld %ld %lld\n", static_cast<long long>(us), usage.ru_maxrss, static_cast<long long>(cpu));
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    return 128 + (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
}
