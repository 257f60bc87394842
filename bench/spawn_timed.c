/* Runs one program with its standard output sent to /dev/null and reports, on its own standard
 * output, "<wall nanoseconds> <peak resident KiB> <exit status> <CPU nanoseconds>", the CPU time
 * being the program's user and system time together.
 *
 * The benchmark script times every program through this small static helper rather than from
 * Python itself: the peak resident size the kernel reports for a child includes the memory of the
 * process that started it (the image replaced by exec), and the helper's is a few hundred KiB
 * where the script's can be hundreds of MiB. Usage: spawn_timed PROGRAM [ARGS...] */
#define _GNU_SOURCE
#include <fcntl.h>
#include <spawn.h>
#include <stdio.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>

extern char** environ;

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: %s PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    struct timespec start, end;
    clock_gettime(CLOCK_MONOTONIC, &start);
    pid_t pid;
    if (posix_spawn(&pid, argv[1], &actions, NULL, argv + 1, environ) != 0) {
        perror(argv[1]);
        return 2;
    }
    int status;
    struct rusage usage;
    if (wait4(pid, &status, 0, &usage) != pid) {
        perror("wait4");
        return 2;
    }
    clock_gettime(CLOCK_MONOTONIC, &end);
    const long long ns = (end.tv_sec - start.tv_sec) * 1000000000LL + (end.tv_nsec - start.tv_nsec);
    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    const long long cpu = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000000000LL +
                          (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1000LL;
    printf("%lld %ld %d %lld\n", ns, usage.ru_maxrss, code, cpu);
    return 0;
}
