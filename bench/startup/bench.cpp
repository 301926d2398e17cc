// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up benchmark: time from process start to the first painted frame and
// peak memory, for the program and for a bare Qt window with one label, run
// alternately; then the program's CPU time per clock tick while it sits idle.
// Usage: chromohm-startup-bench PROBE [RUNS] [IDLE_SECONDS]

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

struct Sample {
    double ms;
    long maxRssKb;
};

// The monotonic clock is the same in every process and never steps with the
// wall-clock time.
long long nowNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

// Runs the probe with `extra` arguments; its output goes to `text`.
bool spawnProbe(const char *probe, const std::vector<const char *> &extra, std::string &text,
                Sample &out) {
    int fds[2];
    if (pipe(fds) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    std::vector<char *> args{const_cast<char *>(probe)};
    for (const char *arg : extra)
        args.push_back(const_cast<char *>(arg));
    args.push_back(nullptr);
    pid_t pid = 0;
    const long long start = nowNs();
    const int rc = posix_spawn(&pid, probe, &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (rc != 0) {
        close(fds[0]);
        return false;
    }
    char buf[64];
    ssize_t n;
    while ((n = read(fds[0], buf, sizeof buf)) > 0)
        text.append(buf, std::size_t(n));
    close(fds[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || text.empty())
        return false;
    out.ms = double(std::atoll(text.c_str()) - start) / 1e6;
    out.maxRssKb = usage.ru_maxrss;
    return true;
}

bool runOnce(const char *probe, bool bare, Sample &out) {
    std::string text;
    return spawnProbe(
        probe, bare ? std::vector<const char *>{"--bare"} : std::vector<const char *>{}, text, out);
}

// CPU time per clock tick, in ms, of the program sitting idle for `seconds`.
bool idleTick(const char *probe, int seconds, double &msPerTick, int &ticks) {
    const std::string arg = std::to_string(seconds);
    std::string text;
    Sample s{};
    if (!spawnProbe(probe, {"--idle", arg.c_str()}, text, s))
        return false;
    const auto line = text.find('\n');
    long long cpuNs = 0;
    if (line == std::string::npos ||
        std::sscanf(text.c_str() + line + 1, "%lld %d", &cpuNs, &ticks) != 2 || ticks <= 0)
        return false;
    msPerTick = double(cpuNs) / 1e6 / ticks;
    return true;
}

template <typename T> T median(std::vector<T> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROBE [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 2 ? std::atoi(argv[2]) : 21;
    const int idleSeconds = argc > 3 ? std::atoi(argv[3]) : 10;
    std::vector<double> appMs, bareMs;
    std::vector<long> appKb, bareKb;
    for (int i = 0; i < runs; ++i) {
        for (bool bare : {false, true}) {
            Sample s{};
            if (!runOnce(argv[1], bare, s)) {
                std::fprintf(stderr, "run failed\n");
                return 1;
            }
            (bare ? bareMs : appMs).push_back(s.ms);
            (bare ? bareKb : appKb).push_back(s.maxRssKb);
        }
    }
    const double am = median(appMs), bm = median(bareMs);
    const long ak = median(appKb), bk = median(bareKb);
    std::printf("runs: %d each, alternating\n", runs);
    std::printf("first frame  chromohm %.1f ms   bare %.1f ms   ratio %.3f\n", am, bm, am / bm);
    std::printf("peak memory  chromohm %ld KiB   bare %ld KiB   ratio %.3f\n", ak, bk,
                double(ak) / double(bk));
    if (idleSeconds > 0) {
        double msPerTick = 0;
        int ticks = 0;
        if (!idleTick(argv[1], idleSeconds, msPerTick, ticks)) {
            std::fprintf(stderr, "idle run failed\n");
            return 1;
        }
        std::printf("idle         chromohm %.3f ms of CPU per clock tick (%d ticks)\n", msPerTick,
                    ticks);
    }
    return 0;
}
