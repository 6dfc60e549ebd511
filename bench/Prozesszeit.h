#pragma once
// Timing helpers shared by the benchmarks.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

extern char** environ;

namespace tarvis::bench {

using Uhr = std::chrono::steady_clock;

inline double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

struct Zeit {
    double wand = -1;  // wall time, ms
    double cpu = -1;   // user + system time of the process, ms
};

// One run of a program, output thrown away.
inline Zeit prozess(const std::vector<std::string>& args, int& status) {
    std::vector<char*> argv;
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t aktionen;
    posix_spawn_file_actions_init(&aktionen);
    posix_spawn_file_actions_addopen(&aktionen, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&aktionen, 2, "/dev/null", O_WRONLY, 0);
    const auto t0 = Uhr::now();
    pid_t pid = 0;
    int rc = posix_spawn(&pid, argv[0], &aktionen, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&aktionen);
    if (rc != 0) return {};
    int w = 0;
    rusage nutzung{};
    wait4(pid, &w, 0, &nutzung);
    const auto t1 = Uhr::now();
    status = WIFEXITED(w) ? WEXITSTATUS(w) : -1;
    auto ms = [](const timeval& t) { return static_cast<double>(t.tv_sec) * 1000 + static_cast<double>(t.tv_usec) / 1000; };
    return {std::chrono::duration<double, std::milli>(t1 - t0).count(), ms(nutzung.ru_utime) + ms(nutzung.ru_stime)};
}

}  // namespace tarvis::bench
