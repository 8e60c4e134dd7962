// Starts the game and reports the milliseconds until its first frame is on screen: the window's
// centre pixel, black until then (the window has no background), takes the scene's colour. Needs an
// X display (run under xvfb-run -a).
//   first_frame GAME-FOLDER
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A top-level window whose WM_CLASS is "scrivel", or 0.
Window FindGame(Display* display) {
    Window root = DefaultRootWindow(display);
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    Window found = 0;
    if (XQueryTree(display, root, &root, &parent, &children, &count) == 0) {
        return 0;
    }
    for (unsigned i = 0; i < count && found == 0; ++i) {
        XClassHint hint{};
        if (XGetClassHint(display, children[i], &hint) != 0) {
            if (hint.res_class != nullptr && std::strcmp(hint.res_class, "scrivel") == 0) {
                found = children[i];
            }
            XFree(hint.res_name);
            XFree(hint.res_class);
        }
    }
    XFree(children);
    return found;
}

int IgnoreErrors(Display*, XErrorEvent*) {
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: first_frame GAME-FOLDER\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "first_frame: no X display\n");
        return 1;
    }
    XSetErrorHandler(IgnoreErrors);
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(argv[1]) != 0) {
            _exit(127);
        }
        execl("./scrivel", "scrivel", static_cast<char*>(nullptr));
        _exit(127);
    }
    double shown = -1;
    while (std::chrono::steady_clock::now() - start < std::chrono::seconds(20)) {
        if (const Window game = FindGame(display); game != 0) {
            XWindowAttributes attributes{};
            if (XGetWindowAttributes(display, game, &attributes) != 0 &&
                attributes.map_state == IsViewable) {
                XImage* image = XGetImage(display, game, attributes.width / 2,
                                          attributes.height / 2, 1, 1, AllPlanes, ZPixmap);
                if (image != nullptr) {
                    const unsigned long pixel = XGetPixel(image, 0, 0);
                    XDestroyImage(image);
                    if (pixel != 0) {
                        shown = std::chrono::duration<double, std::milli>(
                                    std::chrono::steady_clock::now() - start)
                                    .count();
                        break;
                    }
                }
            }
        }
        usleep(1000);
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(display);
    if (shown < 0) {
        std::fprintf(stderr, "first_frame: no frame within 20 s\n");
        return 1;
    }
    std::printf("start-up to the first drawn frame: %.0f ms\n", shown);
    return 0;
}
