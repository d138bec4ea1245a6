// trv_bench_run: times a program the way a user waits for it, for scripts/bench.
//
//   trv_bench_run [--runs N] [--before COMMAND] [--expect TEXT] -- PROGRAM [ARGUMENT...]
//
// Runs PROGRAM once to warm the caches, then N times (5 unless told), each
// time after COMMAND (run by /bin/sh, not timed; it puts back what the last
// run changed). Prints one line: the median wall time in milliseconds from
// starting the program to its end, and the highest peak memory of a timed
// run in kilobytes. With --expect, what the program prints must contain TEXT,
// so that a run that did not do the work is not timed as one. Exits 1 when a
// run fails (not 0, the text missing, or still running after ten minutes),
// 2 on wrong usage.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Run {
    double milliseconds = 0;
    long peakKilobytes = 0;
    bool ok = false;
    std::string output;
};

// Starts the program with its output on a pipe (when it is to be read) or
// thrown away, and waits for it, reading what it prints.
Run runOnce(const std::vector<char*>& argv, bool captureOutput) {
    Run run;
    int fds[2] = {-1, -1};
    if (captureOutput && ::pipe(fds) != 0) return run;
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid < 0) return run;
    if (pid == 0) {
        ::alarm(600);  // a run that hangs ends as a failed one
        const int devNull = ::open("/dev/null", O_RDWR);
        ::dup2(devNull, STDIN_FILENO);
        ::dup2(captureOutput ? fds[1] : devNull, STDOUT_FILENO);
        ::dup2(captureOutput ? fds[1] : devNull, STDERR_FILENO);
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
    if (captureOutput) {
        ::close(fds[1]);
        char buf[65536];
        ssize_t n;
        while ((n = ::read(fds[0], buf, sizeof buf)) != 0) {
            if (n > 0)
                run.output.append(buf, static_cast<std::size_t>(n));
            else if (errno != EINTR)
                break;
        }
        ::close(fds[0]);
    }
    int status = 0;
    rusage usage{};
    while (::wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    const auto end = std::chrono::steady_clock::now();
    run.milliseconds = std::chrono::duration<double, std::milli>(end - start).count();
    run.peakKilobytes = usage.ru_maxrss;
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

int usage() {
    std::fputs(
        "usage: trv_bench_run [--runs N] [--before COMMAND] [--expect TEXT] -- PROGRAM [ARGUMENT...]\n",
        stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 5;
    std::string before, expect;
    int i = 1;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; i += 2) {
        if (i + 1 >= argc) return usage();
        if (std::strcmp(argv[i], "--runs") == 0)
            runs = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--before") == 0)
            before = argv[i + 1];
        else if (std::strcmp(argv[i], "--expect") == 0)
            expect = argv[i + 1];
        else
            return usage();
    }
    if (i + 1 >= argc || runs < 1) return usage();
    std::vector<char*> program(argv + i + 1, argv + argc);
    program.push_back(nullptr);

    std::vector<double> times;
    long peak = 0;
    for (int r = 0; r <= runs; ++r) {  // run 0 is the warm-up
        if (!before.empty() && std::system(before.c_str()) != 0) {
            std::fprintf(stderr, "trv_bench_run: %s failed\n", before.c_str());
            return 1;
        }
        const Run run = runOnce(program, !expect.empty());
        if (!run.ok || run.output.find(expect) == std::string::npos) {
            std::fprintf(stderr, "trv_bench_run: %s did not run as expected\n%s", program[0],
                         run.output.c_str());
            return 1;
        }
        if (r == 0) continue;
        times.push_back(run.milliseconds);
        peak = std::max(peak, run.peakKilobytes);
    }
    std::sort(times.begin(), times.end());
    const std::size_t n = times.size();
    const double median = n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
    std::printf("%.2f %ld\n", median, peak);
    return 0;
}
