// SPDX-License-Identifier: MIT
// The benchmark: start-up time and peak memory of Quorvel beside a bare Qt program that
// shows an empty window with a menu bar, measured in the same run, then the operations.
//   quorvel-bench DIRECTORY   (the directory that holds the benchmark programs)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Run
{
    double startupMs = 0;
    double peakMiB = 0;
};

long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

// Starts the program, reads the time of its first paint from its output, waits for it.
Run launch(const std::string &program, const char *argument)
{
    int output[2];
    if (pipe(output) != 0)
        std::exit(1);
    const long long started = monotonicNs();
    const pid_t child = fork();
    if (child == 0) {
        dup2(output[1], STDOUT_FILENO);
        close(output[0]);
        execl(program.c_str(), program.c_str(), argument, static_cast<char *>(nullptr));
        _exit(127);
    }
    close(output[1]);
    std::string text;
    char buffer[256];
    for (ssize_t n; (n = read(output[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<size_t>(n));
    close(output[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || text.empty()) {
        std::fprintf(stderr, "%s did not report its first paint\n", program.c_str());
        std::exit(1);
    }
    return {(std::stoll(text) - started) / 1e6, usage.ru_maxrss / 1024.0};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIRECTORY\n", argv[0]);
        return 2;
    }
    const std::string directory = argv[1];
    const std::string quorvel = directory + "/quorvel-bench-startup";
    const std::string bare = directory + "/quorvel-bench-bare";
    constexpr int runs = 31;

    launch(quorvel, ""); // warm the file cache for both
    launch(bare, "");
    // Interleaved, so that the machine's state is the same for both.
    std::vector<double> quorvelStart, bareStart, quorvelMemory, bareMemory, allMemory;
    for (int i = 0; i < runs; ++i) {
        const Run quorvelRun = launch(quorvel, "");
        quorvelStart.push_back(quorvelRun.startupMs);
        quorvelMemory.push_back(quorvelRun.peakMiB);
        const Run bareRun = launch(bare, "");
        bareStart.push_back(bareRun.startupMs);
        bareMemory.push_back(bareRun.peakMiB);
        allMemory.push_back(launch(quorvel, "all").peakMiB);
    }
    const double startRatio = median(quorvelStart) / median(bareStart);
    const double memoryRatio = median(quorvelMemory) / median(bareMemory);
    std::printf("%-52s %9.3f ms  (median of %d)\n", "start-up to main window painted: Quorvel", median(quorvelStart), runs);
    std::printf("%-52s %9.3f ms  (median of %d)\n", "start-up to window painted: bare Qt", median(bareStart), runs);
    std::printf("%-52s %9.2f     (target at most 1.10)\n", "start-up ratio", startRatio);
    std::printf("%-52s %9.1f MiB (median of %d)\n", "peak memory, main window shown: Quorvel", median(quorvelMemory), runs);
    std::printf("%-52s %9.1f MiB (median of %d)\n", "peak memory: bare Qt", median(bareMemory), runs);
    std::printf("%-52s %9.2f     (target at most 1.12)\n", "memory ratio", memoryRatio);
    std::printf("%-52s %9.1f MiB (median of %d)\n", "peak memory, all four windows open: Quorvel", median(allMemory), runs);
    std::fflush(stdout);

    const std::string operations = directory + "/quorvel-bench-operations";
    execl(operations.c_str(), operations.c_str(), static_cast<char *>(nullptr));
    return 127;
}
