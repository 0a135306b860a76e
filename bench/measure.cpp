// Starts a program under the X server in DISPLAY and prints, as one line of
//   <start-up ms> <idle CPU ms> <peak memory KiB> <first paint ms>
// the time from its start to its first mapped window, the CPU time it takes
// over the following idle period, its peak resident memory, and the time
// from its start until the window's content is first drawn (-1 if it was
// not seen within five seconds). Run it with no window manager: the window
// is then where the program puts it, and nothing else draws there.
//   morveta_bench_measure IDLE_SECONDS PROGRAM [ARGS...]
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

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

// The pixels of a rectangle of the screen, as the server holds them.
std::vector<std::uint8_t> pixels(xcb_connection_t* x, xcb_window_t root, std::int16_t left,
                                 std::int16_t top, std::uint16_t width, std::uint16_t height)
{
    xcb_get_image_reply_t* image = xcb_get_image_reply(
        x, xcb_get_image(x, XCB_IMAGE_FORMAT_Z_PIXMAP, root, left, top, width, height, ~0U),
        nullptr);
    if (!image)
        return {};
    const std::uint8_t* data = xcb_get_image_data(image);
    std::vector<std::uint8_t> copy(data, data + xcb_get_image_data_length(image));
    std::free(image);
    return copy;
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

    // What the screen shows before the program runs: its window, mapped
    // without a background of its own, keeps showing this until it paints.
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
    const auto before = pixels(x, root, 0, 0, screen->width_in_pixels, screen->height_in_pixels);
    const auto bytesPerPixel =
        before.size() / (std::size_t(screen->width_in_pixels) * screen->height_in_pixels);

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    xcb_window_t window = XCB_NONE;
    for (;;) {
        xcb_generic_event_t* event = xcb_wait_for_event(x);
        if (!event) {
            std::fprintf(stderr, "lost the X server\n");
            return 1;
        }
        const bool mapped = (event->response_type & 0x7F) == XCB_MAP_NOTIFY;
        if (mapped)
            window = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
        std::free(event);
        if (mapped)
            break;
    }
    const auto startup = std::chrono::steady_clock::now() - start;

    // The first paint: a strip across the middle of the window differs from
    // what was on the screen there. A toolkit flushes its first frame whole.
    double firstPaint = -1;
    if (xcb_get_geometry_reply_t* g =
            xcb_get_geometry_reply(x, xcb_get_geometry(x, window), nullptr)) {
        const int width = std::min<int>(g->width, screen->width_in_pixels - g->x);
        const int left = g->x, top = g->y + g->height / 2;
        std::free(g);
        const auto row =
            before.begin() +
            std::ptrdiff_t((std::size_t(top) * screen->width_in_pixels + std::size_t(left)) *
                           bytesPerPixel);
        const std::vector<std::uint8_t> unpainted(
            row, row + std::ptrdiff_t(std::size_t(width) * bytesPerPixel));
        while (std::chrono::steady_clock::now() - start < std::chrono::seconds(5)) {
            if (pixels(x, root, std::int16_t(left), std::int16_t(top), std::uint16_t(width), 1) !=
                unpainted) {
                firstPaint = std::chrono::duration<double, std::milli>(
                                 std::chrono::steady_clock::now() - start)
                                 .count();
                break;
            }
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        }
    }

    std::this_thread::sleep_for(std::chrono::seconds(1)); // let the first paint settle
    const long cpuBefore = cpuMillis(pid);
    std::this_thread::sleep_for(std::chrono::seconds(idleSeconds));
    const long idle = cpuMillis(pid) - cpuBefore;
    const long peak = peakKiB(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    xcb_disconnect(x);

    std::printf("%.1f %ld %ld %.1f\n", std::chrono::duration<double, std::milli>(startup).count(),
                idle, peak, firstPaint);
    return 0;
}
