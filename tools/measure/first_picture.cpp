// Starts a program and reports when its first picture reaches the X screen: the time from the
// launch until a row across the middle of the screen (black while the program starts, on an
// Xvfb started with a black root) shows anything but black. Prints "<pid> <seconds>" and leaves
// the program running. Built and used by tools/measure-play.sh.
//
//   first_picture TIMEOUT_SECONDS PROGRAM [ARGS...]

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs("usage: first_picture TIMEOUT_SECONDS PROGRAM [ARGS...]\n", stderr);
        return 2;
    }
    const double timeout = std::atof(argv[1]);
    // A server just started may not take connections yet.
    Display* display = nullptr;
    for (int attempt = 0; attempt < 100 && display == nullptr; ++attempt) {
        display = XOpenDisplay(nullptr);
        if (display == nullptr) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }
    if (display == nullptr) {
        std::fputs("first_picture: cannot open the X display\n", stderr);
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    const int width = DisplayWidth(display, DefaultScreen(display));
    const int height = DisplayHeight(display, DefaultScreen(display));

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(2, 1); // the program's own output must not end up in our answer
        execvp(argv[2], argv + 2);
        std::perror("first_picture: exec");
        _exit(127);
    }
    for (;;) {
        const double elapsed =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        XImage* row = XGetImage(display, root, 0, height / 2, static_cast<unsigned>(width), 1,
                                AllPlanes, ZPixmap);
        bool shown = false;
        for (int x = 0; row != nullptr && x < width && !shown; ++x) {
            shown = (XGetPixel(row, x, 0) & 0xFFFFFFu) != 0;
        }
        if (row != nullptr) {
            XDestroyImage(row);
        }
        if (shown) {
            std::printf("%d %.3f\n", static_cast<int>(pid), elapsed);
            return 0;
        }
        if (elapsed > timeout) {
            std::printf("%d none\n", static_cast<int>(pid));
            return 1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}
