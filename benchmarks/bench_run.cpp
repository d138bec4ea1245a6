// trv_bench_run: times programs the way a user waits for them, for scripts/bench.
//
//   trv_bench_run [--runs N] SIDE [--versus SIDE]
//   SIDE: [--before COMMAND] [--expect TEXT] -- PROGRAM [ARGUMENT...]
//
// Runs each side's PROGRAM once to warm the caches, then N times (5 unless
// told); with --versus the two sides take turns, so that both meet the same
// state of the machine and of its disks. Each run comes after the side's
// COMMAND (run by /bin/sh, not timed; it puts back what the last run changed).
// Prints one line with three figures a side: the median wall time in
// milliseconds from starting the program to its end, the highest peak memory
// of a timed run in kilobytes and the median processor time (user and system)
// in milliseconds. With --expect, what the program prints must contain TEXT,
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

struct Side {
    std::string before, expect;
    std::vector<char*> argv;  // ends with nullptr
    std::vector<double> times, cpuTimes;
    long peakKilobytes = 0;
};

struct Run {
    double milliseconds = 0;
    double cpuMilliseconds = 0;  // user and system time
    long peakKilobytes = 0;
    bool ok = false;
    std::string output;
};

double milliseconds(const timeval& t) {
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
}

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
            if (n > 0) {
                run.output.append(buf, static_cast<std::size_t>(n));
            } else if (errno != EINTR) {
                break;
            }
        }
        ::close(fds[0]);
    }
    int status = 0;
    rusage usage{};
    while (::wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    const auto end = std::chrono::steady_clock::now();
    run.milliseconds = std::chrono::duration<double, std::milli>(end - start).count();
    run.cpuMilliseconds = milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime);
    run.peakKilobytes = usage.ru_maxrss;
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

// One run of a side, recorded unless it is the warm-up; false when it failed.
bool runSide(Side& side, bool warmUp) {
    if (!side.before.empty() && std::system(side.before.c_str()) != 0) {
        std::fprintf(stderr, "trv_bench_run: %s failed\n", side.before.c_str());
        return false;
    }
    const Run run = runOnce(side.argv, !side.expect.empty());
    if (!run.ok || run.output.find(side.expect) == std::string::npos) {
        std::fprintf(stderr, "trv_bench_run: %s did not run as expected\n%s", side.argv[0], run.output.c_str());
        return false;
    }
    if (warmUp) return true;
    side.times.push_back(run.milliseconds);
    side.cpuTimes.push_back(run.cpuMilliseconds);
    side.peakKilobytes = std::max(side.peakKilobytes, run.peakKilobytes);
    return true;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Reads one SIDE from argv[i]; false on wrong usage.
bool parseSide(int argc, char** argv, int& i, Side& side) {
    for (; i < argc && std::strcmp(argv[i], "--") != 0; i += 2) {
        if (i + 1 >= argc) return false;
        if (std::strcmp(argv[i], "--before") == 0) {
            side.before = argv[i + 1];
        } else if (std::strcmp(argv[i], "--expect") == 0) {
            side.expect = argv[i + 1];
        } else {
            return false;
        }
    }
    for (++i; i < argc && std::strcmp(argv[i], "--versus") != 0; ++i) side.argv.push_back(argv[i]);
    if (side.argv.empty()) return false;
    side.argv.push_back(nullptr);
    return true;
}

int usage() {
    std::fputs(
        "usage: trv_bench_run [--runs N] SIDE [--versus SIDE]\n"
        "  SIDE: [--before COMMAND] [--expect TEXT] -- PROGRAM [ARGUMENT...]\n",
        stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 5;
    int i = 1;
    if (i + 1 < argc && std::strcmp(argv[i], "--runs") == 0) {
        runs = std::atoi(argv[i + 1]);
        i += 2;
    }
    std::vector<Side> sides(1);
    if (runs < 1 || !parseSide(argc, argv, i, sides[0])) return usage();
    if (i < argc) {  // --versus
        ++i;
        sides.emplace_back();
        if (!parseSide(argc, argv, i, sides[1]) || i < argc) return usage();
    }

    for (int r = 0; r <= runs; ++r) {  // run 0 is the warm-up
        for (Side& side : sides)
            if (!runSide(side, r == 0)) return 1;
    }
    for (std::size_t s = 0; s < sides.size(); ++s) {
        std::printf("%s%.2f %ld %.2f", s ? " " : "", median(sides[s].times), sides[s].peakKilobytes,
                    median(sides[s].cpuTimes));
    }
    std::printf("\n");
    return 0;
}
