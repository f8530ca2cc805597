// Starts a program and measures the time until a window with a given title is mapped on the
// X display, and the program's peak memory by then; prints "<milliseconds> <kilobytes>".
//
//   kelvaro_startup_probe TITLE PROGRAM [ARGUMENTS...]

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

bool hasTitle(Display *display, Window window, const char *title) {
    char *name = nullptr;
    const bool match = XFetchName(display, window, &name) && name && std::strcmp(name, title) == 0;
    if (name)
        XFree(name);
    return match;
}

} // namespace

int main(int argc, char **argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s TITLE PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "startup probe: no X display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    alarm(60); // a program that never shows the window must not hang the measurement
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && hasTitle(display, event.xmap.window, argv[1]))
            break;
    }
    const auto shown = std::chrono::steady_clock::now();
    kill(child, SIGKILL);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    std::printf("%.1f %ld\n", std::chrono::duration<double, std::milli>(shown - start).count(),
                usage.ru_maxrss);
    XCloseDisplay(display);
    return 0;
}
