// Starts a program under the X server in DISPLAY and prints, as one line of
//   <start-up ms> <idle CPU ms> <peak memory KiB>
// the time from its start to its first mapped window, the CPU time it takes
// over the following idle period, and its peak resident memory.
//   morveta_bench_measure IDLE_SECONDS PROGRAM [ARGS...]
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

long cpuMillis(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    // Fields after the command name, which is in parentheses: utime is the 14th field.
    std::size_t at = line.rfind(')') + 2;
    for (int field = 3; field < 14; ++field)
        at = line.find(' ', at) + 1;
    const long utime = std::strtol(line.c_str() + at, nullptr, 10);
    const long stime = std::strtol(line.c_str() + line.find(' ', at) + 1, nullptr, 10);
    return (utime + stime) * 1000 / sysconf(_SC_CLK_TCK);
}

long peakKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s IDLE_SECONDS PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const int idleSeconds = std::atoi(argv[1]);
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "no X server in DISPLAY\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    for (;;) {
        xcb_generic_event_t* event = xcb_wait_for_event(x);
        if (!event) {
            std::fprintf(stderr, "lost the X server\n");
            return 1;
        }
        const bool mapped = (event->response_type & 0x7F) == XCB_MAP_NOTIFY;
        std::free(event);
        if (mapped)
            break;
    }
    const auto startup = std::chrono::steady_clock::now() - start;

    std::this_thread::sleep_for(std::chrono::seconds(1)); // let the first paint settle
    const long before = cpuMillis(pid);
    std::this_thread::sleep_for(std::chrono::seconds(idleSeconds));
    const long idle = cpuMillis(pid) - before;
    const long peak = peakKiB(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    xcb_disconnect(x);

    std::printf("%.1f %ld %ld\n", std::chrono::duration<double, std::milli>(startup).count(), idle,
                peak);
    return 0;
}
