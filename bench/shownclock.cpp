// Wall-clock times of a program as a user sees them, on an X display whose root is black
// (Xvfb -br), measured from outside the program so that the program and a bare one are timed alike:
//   shownclock show TITLE -- PROGRAM ARGS...
//       from the start of PROGRAM to its window TITLE mapped and painted;
//   shownclock click TITLE X Y NEXT -- PROGRAM ARGS...
//       starts PROGRAM, waits for TITLE, points at (X, Y) of it, then times a click there
//       (through the XTest extension, as xdotool clicks) to the window NEXT mapped and painted;
//   shownclock exit -- PROGRAM ARGS...
//       from the start of PROGRAM to its end (its output goes to /dev/null).
// Prints the milliseconds. A window counts as painted once the pixel near its bottom-right
// corner is no longer the root's black: the program's first frame has been put on the screen.
// Qt creates its windows without a background, so the X server itself paints nothing there.

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "shownclock: %s\n", what);
    std::exit(1);
}

pid_t launch(char **argv, bool quiet)
{
    const pid_t pid = fork();
    if (pid < 0)
        fail("cannot fork");
    if (pid == 0) {
        if (quiet) {
            const int null = open("/dev/null", O_WRONLY);
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
        }
        execvp(argv[0], argv);
        _exit(127);
    }
    return pid;
}

void stop(pid_t pid)
{
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
}

double millisecondsSince(Clock::time_point t0)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

bool hasTitle(Display *display, Window window, const char *title)
{
    XTextProperty property;
    if (!XGetWMName(display, window, &property) || !property.value)
        return false;
    char **list = nullptr;
    int count = 0;
    bool same = false;
    if (Xutf8TextPropertyToTextList(display, &property, &list, &count) >= 0 && count > 0)
        same = std::strcmp(list[0], title) == 0;
    if (list)
        XFreeStringList(list);
    XFree(property.value);
    return same;
}

int ignoreErrors(Display *, XErrorEvent *)
{
    return 0; // a window that went away while it was looked at
}

// The pointer through XTest, loaded by name so that no development files are needed. xdotool's
// own click waits 100 ms between press and release, which would be timed with the program.
struct FakeInput
{
    using Motion = int (*)(Display *, int, int, int, unsigned long);
    using Button = int (*)(Display *, unsigned, int, unsigned long);
    Motion motion = nullptr;
    Button button = nullptr;

    FakeInput()
    {
        void *library = dlopen("libXtst.so.6", RTLD_NOW);
        if (!library)
            fail("no libXtst.so.6");
        motion = reinterpret_cast<Motion>(dlsym(library, "XTestFakeMotionEvent"));
        button = reinterpret_cast<Button>(dlsym(library, "XTestFakeButtonEvent"));
        if (!motion || !button)
            fail("libXtst.so.6 lacks the fake input calls");
    }
};

// Waits for the window TITLE to be mapped and painted; returns it, or 0 when PID ended first.
Window awaitShown(Display *display, const char *title, pid_t pid)
{
    Window shown = 0;
    int width = 0;
    int height = 0;
    for (;;) {
        while (!shown && XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect
                && hasTitle(display, event.xmap.window, title)) {
                shown = event.xmap.window;
                XWindowAttributes attributes;
                if (XGetWindowAttributes(display, shown, &attributes)) {
                    width = attributes.width;
                    height = attributes.height;
                }
            }
        }
        if (shown && width > 3 && height > 3) {
            XImage *image
                = XGetImage(display, shown, width - 3, height - 3, 1, 1, AllPlanes, ZPixmap);
            if (image) {
                const unsigned long pixel = XGetPixel(image, 0, 0);
                XDestroyImage(image);
                if ((pixel & 0xffffff) != 0)
                    return shown;
            }
        }
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return 0;
        usleep(200);
    }
}

} // namespace

int main(int argc, char **argv)
{
    int dash = 1;
    while (dash < argc && std::strcmp(argv[dash], "--") != 0)
        ++dash;
    if (dash >= argc - 1 || dash < 2)
        fail("usage: shownclock show TITLE | click TITLE X Y NEXT | exit -- PROGRAM ARGS...");
    const std::string mode = argv[1];
    char **program = argv + dash + 1;

    if (mode == "exit") {
        const Clock::time_point t0 = Clock::now();
        const pid_t pid = launch(program, true);
        int status = 0;
        waitpid(pid, &status, 0);
        const double ms = millisecondsSince(t0);
        if (!WIFEXITED(status))
            fail("the program did not end by itself");
        std::printf("%.2f\n", ms);
        return 0;
    }

    Display *display = XOpenDisplay(nullptr);
    if (!display)
        fail("no display");
    XSetErrorHandler(ignoreErrors);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    if (mode == "show" && dash == 3) {
        const Clock::time_point t0 = Clock::now();
        const pid_t pid = launch(program, true);
        if (!awaitShown(display, argv[2], pid))
            fail("the program ended before its window was shown");
        const double ms = millisecondsSince(t0);
        stop(pid);
        std::printf("%.2f\n", ms);
        return 0;
    }
    if (mode == "click" && dash == 6) {
        const pid_t pid = launch(program, true);
        const Window first = awaitShown(display, argv[2], pid);
        if (!first)
            fail("the program ended before its window was shown");
        // Pointing first, as a user does: what hovering shows is not part of the click.
        int x = 0;
        int y = 0;
        Window child;
        XTranslateCoordinates(display, first, DefaultRootWindow(display), std::atoi(argv[3]),
                              std::atoi(argv[4]), &x, &y, &child);
        const FakeInput input;
        input.motion(display, DefaultScreen(display), x, y, 0);
        XSync(display, False);
        usleep(300000);
        const Clock::time_point t0 = Clock::now();
        input.button(display, 1, True, 0);
        input.button(display, 1, False, 0);
        XSync(display, False);
        if (!awaitShown(display, argv[5], pid))
            fail("the program ended before the next window was shown");
        const double ms = millisecondsSince(t0);
        stop(pid);
        std::printf("%.2f\n", ms);
        return 0;
    }
    fail("unknown mode or wrong arguments");
}
