// SPDX-License-Identifier: GPL-3.0-or-later
// How long a window takes to paint again what was hidden: covers a part of the X
// screen with a small magenta window of its own, takes it away, and times how long
// the window underneath takes to show again what it showed before (the X server keeps
// no copy of it, and fills the place with the window's plain background at most, so
// only the window's own paint brings it back). Choose a place that does not change
// by itself. A program whose windows' thread is held answers late, or not at all.
//
//   ridisegno X Y W H rounds gap_ms
//
// Prints one line "RIDISEGNO ms" a round and "MASSIMO ms" at the end; exit status 1
// when a round was not painted within 40 s. DISPLAY names the X server.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

using Orologio = std::chrono::steady_clock;
constexpr unsigned long kMagenta = 0xff00ff;

unsigned long Pixel(Display* d, int x, int y)
{
    XImage* img = XGetImage(d, DefaultRootWindow(d), x, y, 1, 1, AllPlanes, ZPixmap);
    if (!img)
        return 0;
    const unsigned long p = XGetPixel(img, 0, 0) & 0xffffff;
    XDestroyImage(img);
    return p;
}

// Waits until the pixel is `colore`; the milliseconds, or -1.
double Attendi(Display* d, int x, int y, unsigned long colore, double limiteMs)
{
    const auto inizio = Orologio::now();
    for (;;) {
        const double ms = std::chrono::duration<double, std::milli>(Orologio::now() - inizio).count();
        if (Pixel(d, x, y) == colore)
            return ms;
        if (ms > limiteMs)
            return -1;
        std::this_thread::sleep_for(std::chrono::microseconds(300));
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 7) {
        std::fprintf(stderr, "usage: %s X Y W H rounds gap_ms\n", argv[0]);
        return 2;
    }
    const int x = std::atoi(argv[1]), y = std::atoi(argv[2]);
    const int w = std::max(1, std::atoi(argv[3])), h = std::max(1, std::atoi(argv[4]));
    const int giri = std::atoi(argv[5]), pausa = std::atoi(argv[6]);
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "cannot open the X display\n");
        return 2;
    }
    XSetWindowAttributes a{};
    a.override_redirect = True;
    a.background_pixel = kMagenta;
    const Window coperta =
        XCreateWindow(d, DefaultRootWindow(d), x, y, static_cast<unsigned>(w), static_cast<unsigned>(h), 0,
                      CopyFromParent, InputOutput, CopyFromParent, CWOverrideRedirect | CWBackPixel, &a);
    const int cx = x + w / 2, cy = y + h / 2;
    double massimo = 0;
    int rc = 0;
    const unsigned long prima = Pixel(d, cx, cy);
    if (prima == kMagenta) {
        std::fprintf(stderr, "the place %d,%d is magenta already\n", cx, cy);
        return 2;
    }
    for (int i = 0; i < giri; ++i) {
        XMapRaised(d, coperta);
        XSync(d, False);
        if (Attendi(d, cx, cy, kMagenta, 2000) < 0) {
            std::fprintf(stderr, "the cover did not show at %d,%d\n", cx, cy);
            rc = 2;
            break;
        }
        XUnmapWindow(d, coperta);
        XSync(d, False);
        const double ms = Attendi(d, cx, cy, prima, 40000);
        if (ms < 0) {
            std::printf("RIDISEGNO mai\n");
            rc = 1;
            break;
        }
        std::printf("RIDISEGNO %.1f\n", ms);
        massimo = std::max(massimo, ms);
        if (i + 1 < giri)
            std::this_thread::sleep_for(std::chrono::milliseconds(pausa));
    }
    std::printf("MASSIMO %.1f\n", massimo);
    XDestroyWindow(d, coperta);
    XCloseDisplay(d);
    return rc;
}
