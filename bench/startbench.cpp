// Start-up benchmark: starts a reference program and the program in turns, each built with
// the first-paint probe, and reports for each the time from its start to its first window
// drawn, its peak resident memory and the number of shared libraries it had mapped by then;
// then the program's figures as multiples of the reference's (medians).
//   eitango_startbench RUNS REFERENCE PROGRAM [LEFTOVER]
// Both run in the working directory with the environment given (a display, or offscreen).
// LEFTOVER, a file the program leaves behind when the probe ends it (its lock), is removed
// before each start, so that every start is a first one.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {
struct Run {
    double ms = 0;
    long peakKb = 0;
    long libraries = 0;
};

bool startOnce(const char *program, Run &run)
{
    int out[2];
    if (pipe(out) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    char *argv[] = {const_cast<char *>(program), nullptr};
    pid_t pid = 0;
    const auto started = std::chrono::steady_clock::now();
    const int spawned = posix_spawn(&pid, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return false;
    }
    std::string line;
    char c;
    while (read(out[0], &c, 1) == 1 && c != '\n')
        line += c;
    const auto painted = std::chrono::steady_clock::now();
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    run.ms = std::chrono::duration<double, std::milli>(painted - started).count();
    return std::sscanf(line.c_str(), "%ld %ld", &run.peakKb, &run.libraries) == 2;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

struct Figures {
    std::vector<double> ms, peakMb, libraries;
    void add(const Run &r)
    {
        ms.push_back(r.ms);
        peakMb.push_back(r.peakKb / 1024.0);
        libraries.push_back(double(r.libraries));
    }
    void print(const char *name) const
    {
        std::printf("%-10s first paint %7.1f ms (%.1f - %.1f)  peak memory %5.1f MB  libraries %3.0f\n", name,
                    median(ms), *std::min_element(ms.begin(), ms.end()), *std::max_element(ms.begin(), ms.end()),
                    median(peakMb), median(libraries));
    }
};
} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: %s RUNS REFERENCE PROGRAM [LEFTOVER]\n", argv[0]);
        return 2;
    }
    const auto clear = [&] {
        if (argc == 5)
            unlink(argv[4]);
    };
    const int runs = std::max(1, std::atoi(argv[1]));
    Figures reference, program;
    Run warm;
    clear();
    if (!startOnce(argv[2], warm) || !startOnce(argv[3], warm)) { // fills the disk cache
        std::fprintf(stderr, "a program did not report its first paint\n");
        return 1;
    }
    for (int i = 0; i < runs; ++i) {
        Run a, b;
        clear();
        if (!startOnce(argv[2], a) || !startOnce(argv[3], b)) {
            std::fprintf(stderr, "a program did not report its first paint\n");
            return 1;
        }
        reference.add(a);
        program.add(b);
    }
    std::printf("%d runs each, interleaved; medians (range)\n", runs);
    reference.print("reference");
    program.print("program");
    std::printf("ratio      first paint %.2f  peak memory %.2f\n", median(program.ms) / median(reference.ms),
                median(program.peakMb) / median(reference.peakMb));
    return 0;
}
