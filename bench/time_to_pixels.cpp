// SPDX-License-Identifier: GPL-3.0-or-later
// How long a program takes from its launch until it has put something on the
// screen: watches one pixel of an X screen and starts the program; the time is
// taken when that pixel is neither what it was before the launch nor black (a
// window's background before its first paint). Then the program is ended.
//
//   tempolino_time_to_pixels X Y command [arguments...]
//
// Prints the milliseconds, or fails after 30 s. DISPLAY names the X server.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

unsigned long pixel(Display* d, int x, int y)
{
    XImage* img = XGetImage(d, DefaultRootWindow(d), x, y, 1, 1, AllPlanes, ZPixmap);
    if (!img)
        return 0;
    const unsigned long p = XGetPixel(img, 0, 0) & 0xffffff;
    XDestroyImage(img);
    return p;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s X Y command [arguments...]\n", argv[0]);
        return 2;
    }
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "cannot open the X display\n");
        return 2;
    }
    const int x = std::atoi(argv[1]), y = std::atoi(argv[2]);
    const unsigned long before = pixel(d, x, y);

    const auto launched = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[3], argv + 3);
        _exit(127);
    }
    int rc = 1;
    while (std::chrono::steady_clock::now() - launched < std::chrono::seconds(30)) {
        const unsigned long now = pixel(d, x, y);
        if (now != before && now != 0) {
            const auto ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - launched);
            std::printf("%.1f\n", ms.count());
            rc = 0;
            break;
        }
        if (waitpid(child, nullptr, WNOHANG) == child) {
            std::fprintf(stderr, "the program ended before it showed anything\n");
            return 1;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    if (rc != 0)
        std::fprintf(stderr, "nothing appeared at %d,%d within 30 s\n", x, y);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(d);
    return rc;
}
