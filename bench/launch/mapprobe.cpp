// Times a program from outside: from exec until its first top-level window
// of a given size is mapped on the X server, then ends it.
//
//   sorvex-mapprobe WIDTH HEIGHT -- COMMAND [ARGUMENTS...]
//
// Prints the milliseconds on standard output. There must be no window
// manager: windows are then mapped as children of the root window.
#include <X11/Xlib.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double elapsedMs(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - since).count();
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 5 || std::strcmp(argv[3], "--") != 0) {
        std::fputs("usage: sorvex-mapprobe WIDTH HEIGHT -- COMMAND [ARGUMENTS...]\n", stderr);
        return 2;
    }
    const int width = std::atoi(argv[1]);
    const int height = std::atoi(argv[2]);
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fputs("sorvex-mapprobe: cannot open the display\n", stderr);
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[4], argv + 4);
        _exit(127);
    }
    double mapped = -1;
    while (mapped < 0 && elapsedMs(start) < 10000) {
        while (mapped < 0 && XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            XWindowAttributes attributes;
            if (event.type == MapNotify && XGetWindowAttributes(display, event.xmap.window, &attributes)
                && attributes.width == width && attributes.height == height)
                mapped = elapsedMs(start);
        }
        usleep(100);
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    if (mapped < 0) {
        std::fputs("sorvex-mapprobe: no window of that size within 10 s\n", stderr);
        return 1;
    }
    std::printf("%.1f\n", mapped);
    return 0;
}
