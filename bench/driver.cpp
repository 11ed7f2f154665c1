// SPDX-License-Identifier: MIT
// The benchmark: start-up time and peak memory of Quorvel beside a bare Qt program that
// shows an empty window with a menu bar, measured in the same run, then the operations.
//   quorvel-bench DIRECTORY [--start-up]   (the directory that holds the benchmark programs;
//                                          with --start-up, the start-up figures alone)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

struct Run
{
    double mappedMs = 0;  // until the X server mapped the program's window
    double paintedMs = 0; // until the program had painted it (the program reports this)
    double peakMiB = 0;
};

long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

[[noreturn]] void fail(const std::string &what)
{
    std::fprintf(stderr, "%s\n", what.c_str());
    std::exit(1);
}

// Watches the display for top-level windows being mapped (with a window manager, their
// frames), from outside the programs measured.
class MapWatcher
{
public:
    MapWatcher()
        : m_connection(xcb_connect(nullptr, nullptr), xcb_disconnect)
    {
        if (xcb_connection_has_error(m_connection.get()))
            fail("cannot connect to the X display");
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(m_connection.get())).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection.get(), root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(m_connection.get());
    }

    // Forgets what was mapped so far: a round trip brings every earlier event in.
    void forgetEarlierMaps()
    {
        std::free(xcb_get_input_focus_reply(m_connection.get(), xcb_get_input_focus(m_connection.get()), nullptr));
        while (auto *event = xcb_poll_for_event(m_connection.get()))
            std::free(event);
    }

    // The moment the next window is mapped, within ten seconds.
    long long nextMap()
    {
        const long long deadline = monotonicNs() + 10'000'000'000LL;
        for (;;) {
            while (auto *event = xcb_poll_for_event(m_connection.get())) {
                const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
                std::free(event);
                if (mapped)
                    return monotonicNs();
            }
            pollfd connection{xcb_get_file_descriptor(m_connection.get()), POLLIN, 0};
            const long long left = deadline - monotonicNs();
            if (left <= 0 || poll(&connection, 1, static_cast<int>(left / 1'000'000) + 1) < 0)
                fail("no window was mapped");
        }
    }

private:
    std::unique_ptr<xcb_connection_t, void (*)(xcb_connection_t *)> m_connection;
};

// Starts the program, waits for its window to be mapped, reads the time of its first
// paint from its output and waits for it to end.
Run launch(MapWatcher &watcher, const std::string &program, const char *argument)
{
    int output[2];
    if (pipe(output) != 0)
        fail("cannot make a pipe");
    watcher.forgetEarlierMaps();
    const long long started = monotonicNs();
    const pid_t child = fork();
    if (child == 0) {
        dup2(output[1], STDOUT_FILENO);
        close(output[0]);
        execl(program.c_str(), program.c_str(), argument, static_cast<char *>(nullptr));
        _exit(127);
    }
    close(output[1]);
    const long long mapped = watcher.nextMap();
    std::string text;
    char buffer[256];
    for (ssize_t n; (n = read(output[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<size_t>(n));
    close(output[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || text.empty())
        fail(program + " did not report its first paint");
    return {(mapped - started) / 1e6, (std::stoll(text) - started) / 1e6, usage.ru_maxrss / 1024.0};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

// Where the ratio of the medians lies, 19 times in 20: pairs of runs made side by side drawn
// again at random, with replacement, 2000 times (a bootstrap). A virtual machine's speed
// varies by half from one moment to the next, as much as the margins measured here.
void printRatio(const char *what, const std::vector<double> &numerators, const std::vector<double> &denominators,
                double target)
{
    std::mt19937 random(1);
    std::uniform_int_distribution<size_t> pick(0, numerators.size() - 1);
    std::vector<double> ratios;
    for (int round = 0; round < 2000; ++round) {
        std::vector<double> top, bottom;
        for (size_t i = 0; i < numerators.size(); ++i) {
            const size_t pair = pick(random);
            top.push_back(numerators.at(pair));
            bottom.push_back(denominators.at(pair));
        }
        ratios.push_back(median(top) / median(bottom));
    }
    std::sort(ratios.begin(), ratios.end());
    std::printf("%-52s %9.2f     (19 in 20: %.2f to %.2f; target at most %.2f)\n", what,
                median(numerators) / median(denominators), ratios.at(ratios.size() / 40),
                ratios.at(ratios.size() - 1 - ratios.size() / 40), target);
}

struct Series
{
    std::vector<double> mapped, painted, memory;

    void add(const Run &run)
    {
        mapped.push_back(run.mappedMs);
        painted.push_back(run.paintedMs);
        memory.push_back(run.peakMiB);
    }
};

} // namespace

int main(int argc, char *argv[])
{
    const bool startUpOnly = argc == 3 && std::string(argv[2]) == "--start-up";
    if (argc != 2 && !startUpOnly) {
        std::fprintf(stderr, "usage: %s DIRECTORY [--start-up]\n", argv[0]);
        return 2;
    }
    std::printf("LANG=%s\n", std::getenv("LANG") ? std::getenv("LANG") : "");
    const std::string directory = argv[1];
    const std::string quorvel = directory + "/quorvel-bench-startup";
    const std::string bare = directory + "/quorvel-bench-bare";
    constexpr int runs = 101;
    constexpr int allWindowsRuns = 11;

    MapWatcher watcher;
    launch(watcher, quorvel, ""); // warm the file cache for both
    launch(watcher, bare, "");
    // Interleaved, each first in turn, so that the machine's state is the same for both.
    Series quorvelRuns, bareRuns;
    for (int i = 0; i < runs; ++i) {
        if (i % 2 == 0)
            quorvelRuns.add(launch(watcher, quorvel, ""));
        bareRuns.add(launch(watcher, bare, ""));
        if (i % 2 == 1)
            quorvelRuns.add(launch(watcher, quorvel, ""));
    }
    std::vector<double> allMemory;
    for (int i = 0; i < allWindowsRuns && !startUpOnly; ++i)
        allMemory.push_back(launch(watcher, quorvel, "all").peakMiB);

    const auto printTime = [](const char *what, const std::vector<double> &times) {
        std::printf("%-52s %9.3f ms  (median of %zu)\n", what, median(times), times.size());
    };
    printTime("start-up to main window mapped: Quorvel", quorvelRuns.mapped);
    printTime("start-up to window mapped: bare Qt", bareRuns.mapped);
    printRatio("start-up ratio, mapped", quorvelRuns.mapped, bareRuns.mapped, 1.05);
    printTime("start-up to main window painted: Quorvel", quorvelRuns.painted);
    printTime("start-up to window painted: bare Qt", bareRuns.painted);
    printRatio("start-up ratio, painted", quorvelRuns.painted, bareRuns.painted, 1.10);
    const auto printMemory = [](const char *what, const std::vector<double> &memory) {
        std::printf("%-52s %9.1f MiB (median of %zu)\n", what, median(memory), memory.size());
    };
    printMemory("peak memory, main window shown: Quorvel", quorvelRuns.memory);
    printMemory("peak memory: bare Qt", bareRuns.memory);
    std::printf("%-52s %9.2f     (target at most 1.05)\n", "memory ratio",
                median(quorvelRuns.memory) / median(bareRuns.memory));
    std::fflush(stdout);
    if (startUpOnly)
        return 0;
    printMemory("peak memory, all four windows open: Quorvel", allMemory);
    std::fflush(stdout);

    const std::string operations = directory + "/quorvel-bench-operations";
    execl(operations.c_str(), operations.c_str(), static_cast<char *>(nullptr));
    return 127;
}
