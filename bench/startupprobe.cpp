// SPDX-License-Identifier: GPL-3.0-or-later
// Measures one start of a program under an X server: from the fork to the
// first time the program's top-level window receives its contents (the first
// XDamage report on it once it is mapped: Qt flushes the whole window at once
// on its first expose), then the program's resident memory 1.5 s after that.
//
//   startupprobe [--check-pixels] [--end-after MS] PROGRAM [ARGS...]
//
// Prints one line: "paint_ms=<ms> map_ms=<ms> rss_kb=<kB> colours=<n>".
// With --check-pixels it also reads the window back at the first damage and
// counts its distinct colours, to show that the window was populated and not
// only cleared.
// With --end-after it interrupts the program (SIGINT) MS milliseconds after
// the first paint instead of reading its memory (rss_kb=-1). For a program
// run under valgrind --tool=callgrind: callgrind still writes its counts when
// the program ends on that signal, so they stop at the first paint.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <set>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

long residentKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

int distinctColours(Display *display, Window window)
{
    XWindowAttributes attributes;
    XGetWindowAttributes(display, window, &attributes);
    XImage *image = XGetImage(display, window, 0, 0, unsigned(attributes.width),
                              unsigned(attributes.height), AllPlanes, ZPixmap);
    if (!image)
        return -1;
    std::set<unsigned long> colours;
    for (int y = 0; y < attributes.height; y += 2) {
        for (int x = 0; x < attributes.width; x += 2)
            colours.insert(XGetPixel(image, x, y));
    }
    XDestroyImage(image);
    return int(colours.size());
}

[[noreturn]] void die(const char *what)
{
    std::fprintf(stderr, "startupprobe: %s\n", what);
    std::exit(2);
}

} // namespace

int main(int argc, char **argv)
{
    const char *usage = "usage: startupprobe [--check-pixels] [--end-after MS] PROGRAM [ARGS...]";
    int first = 1;
    bool checkPixels = false;
    int endAfterMs = -1;
    for (; first < argc && std::strncmp(argv[first], "--", 2) == 0; ++first) {
        if (std::strcmp(argv[first], "--check-pixels") == 0)
            checkPixels = true;
        else if (std::strcmp(argv[first], "--end-after") == 0 && first + 1 < argc)
            endAfterMs = std::atoi(argv[++first]);
        else
            die(usage);
    }
    if (first >= argc)
        die(usage);

    Display *display = XOpenDisplay(nullptr);
    if (!display)
        die("cannot open the display");
    int damageEvent = 0;
    int damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError))
        die("the X server has no DAMAGE extension");
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid < 0)
        die("fork failed");
    if (pid == 0) {
        execvp(argv[first], argv + first);
        std::perror("exec");
        _exit(127);
    }

    double mapMs = -1;
    double paintMs = -1;
    int colours = -1;
    std::set<Window> mapped;
    const int fd = ConnectionNumber(display);
    while (paintMs < 0) {
        // Generous: under valgrind on a busy machine a start took up to 40 s.
        if (msSince(start) > 120000) {
            kill(pid, SIGKILL);
            die("no window was painted within 120 s");
        }
        if (int status = 0; waitpid(pid, &status, WNOHANG) == pid)
            die("the program ended before its window was painted");
        if (!XPending(display)) {
            pollfd p{fd, POLLIN, 0};
            poll(&p, 1, 100);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == CreateNotify && event.xcreatewindow.parent == root) {
            // Watch every top-level window from its creation on, before the
            // program can draw into it.
            XDamageCreate(display, event.xcreatewindow.window, XDamageReportRawRectangles);
            XSync(display, False);
        } else if (event.type == MapNotify && event.xmap.event == root) {
            XWindowAttributes attributes;
            XGetWindowAttributes(display, event.xmap.window, &attributes);
            // Qt's unmapped helper windows are 1x1; only a real window counts.
            if (attributes.width > 50 && attributes.height > 50) {
                mapped.insert(event.xmap.window);
                if (mapMs < 0)
                    mapMs = msSince(start);
            }
        } else if (event.type == damageEvent + XDamageNotify) {
            const auto *damage = reinterpret_cast<XDamageNotifyEvent *>(&event);
            if (mapped.count(damage->drawable)) {
                paintMs = msSince(start);
                if (checkPixels)
                    colours = distinctColours(display, damage->drawable);
            }
        }
    }

    long rss = -1;
    if (endAfterMs >= 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(endAfterMs));
        kill(pid, SIGINT);
    } else {
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        rss = residentKb(pid);
        kill(pid, SIGTERM);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    XCloseDisplay(display);
    std::printf("paint_ms=%.2f map_ms=%.2f rss_kb=%ld colours=%d\n", paintMs, mapMs, rss, colours);
    return 0;
}
