// Plays one short session of an installed copy as a player would: starts the
// program, waits for its window, picks a game with the mouse, and ends it
// through "Game > Exit" (or only closes the window). Real input goes through
// the XTest extension, so Qt sees it exactly like a mouse and keyboard.
//
//   install_driver play|close PROGRAM [WATCHED_FOLDER...]
//
// With folders to watch, prints the name of the first picture the program
// opened in them ("first background: NAME"). Exits with the program's exit code
// (100 and up when the driver itself failed).
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

#include <X11/Xlib.h>
#include <X11/keysym.h>

#include "support/program_window.h"

// The XTest extension, declared here: its library is part of every X client
// install, its development header is not.
extern "C" {
int XTestFakeMotionEvent(Display*, int screen, int x, int y, unsigned long delay);
int XTestFakeButtonEvent(Display*, unsigned int button, int isPress, unsigned long delay);
int XTestFakeKeyEvent(Display*, unsigned int keycode, int isPress, unsigned long delay);
}

namespace {

// Where the picture of the first game ("Klondike") lies in the GL area under
// the menu bar, as a share of its width and height: the middle of the first
// button down the right of the main menu.
constexpr double GAME_BUTTON_X = 0.85;
constexpr double GAME_BUTTON_Y = 0.283;
// Where the "Game" menu's title lies in the menu bar, in pixels from its left.
constexpr int GAME_MENU_X = 20;

struct Place {
    int x = 0, y = 0, width = 0, height = 0;  // on the root window, in pixels
};

void Pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

Place PlaceOf(Display* display, Window window)
{
    XWindowAttributes attributes{};
    XGetWindowAttributes(display, window, &attributes);
    Place place;
    Window child = 0;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &place.x, &place.y, &child);
    place.width = attributes.width;
    place.height = attributes.height;
    return place;
}

// The largest window inside `window`: the GL area, a window of its own under
// the menu bar.
Place LargestInside(Display* display, Window window)
{
    Place largest;
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, window, &root, &parent, &children, &count)) {
        for (unsigned int i = 0; i < count; ++i) {
            for (const Place& place : {PlaceOf(display, children[i]), LargestInside(display, children[i])}) {
                if (place.width * place.height > largest.width * largest.height) {
                    largest = place;
                }
            }
        }
        if (children != nullptr) {
            XFree(children);
        }
    }
    return largest;
}

void ClickAt(Display* display, int x, int y)
{
    XTestFakeMotionEvent(display, -1, x, y, 0);
    XFlush(display);
    Pause(150);
    XTestFakeButtonEvent(display, 1, True, 0);
    XFlush(display);
    Pause(80);
    XTestFakeButtonEvent(display, 1, False, 0);
    XFlush(display);
}

void TypeKey(Display* display, KeySym key)
{
    const unsigned int code = XKeysymToKeycode(display, key);
    XTestFakeKeyEvent(display, code, True, 0);
    XTestFakeKeyEvent(display, code, False, 0);
    XFlush(display);
}

// Keeps in `first` the first file ending in ".jpg" opened in any watched folder.
void FirstOpenedPicture(int watch, std::string& first)
{
    alignas(inotify_event) char buffer[4096];
    for (;;) {
        const ssize_t length = read(watch, buffer, sizeof buffer);
        if (length <= 0) {
            return;
        }
        for (ssize_t at = 0; at < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            const std::string name = event->len > 0 ? event->name : "";
            if (first.empty() && !(event->mask & IN_ISDIR) && name.size() > 4 &&
                name.compare(name.size() - 4, 4, ".jpg") == 0) {
                first = name;
            }
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
}

int ExitCode(int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status); }

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3 || (std::strcmp(argv[1], "play") != 0 && std::strcmp(argv[1], "close") != 0)) {
        std::fprintf(stderr, "usage: install_driver play|close PROGRAM [WATCHED_FOLDER...]\n");
        return 100;
    }
    const bool play = std::strcmp(argv[1], "play") == 0;
    Display* display = OpenTestDisplay();
    if (display == nullptr) {
        std::fprintf(stderr, "install_driver: no display\n");
        return 101;
    }
    const int watch = inotify_init1(IN_NONBLOCK);
    for (int i = 3; i < argc; ++i) {
        inotify_add_watch(watch, argv[i], IN_OPEN);
    }

    const pid_t pid = fork();
    if (pid == 0) {
        execl(argv[2], argv[2], static_cast<char*>(nullptr));
        _exit(127);
    }
    std::string first;
    Window window = 0;
    int status = 0;
    bool ended = false;
    for (int i = 0; i < 300 && window == 0 && !ended; ++i, Pause(100)) {
        window = FindProgramWindow(display, pid);
        ended = waitpid(pid, &status, WNOHANG) == pid;
    }
    if (window != 0) {
        // Other suites' windows open at the top left of the same display:
        // this one moves to the bottom right and on top, so the pointer's
        // presses reach it.
        const int screen = DefaultScreen(display);
        XMoveWindow(display, window, DisplayWidth(display, screen) - 680, DisplayHeight(display, screen) - 540);
        XRaiseWindow(display, window);
        XSync(display, False);
        Pause(1500);  // the first frames, and the menu's own fly-in
        if (play) {
            const Place whole = PlaceOf(display, window);
            const Place area = LargestInside(display, window);
            ClickAt(display, area.x + static_cast<int>(area.width * GAME_BUTTON_X),
                    area.y + static_cast<int>(area.height * GAME_BUTTON_Y));
            Pause(2500);  // the deal
            // "Game", then "E&xit" by its key once the menu is open; on a
            // busy machine the key can come before the menu, so the pair is
            // tried again while the program is still running.
            for (int attempt = 1; attempt <= 4 && !ended; ++attempt) {
                ClickAt(display, whole.x + GAME_MENU_X, whole.y + (area.y - whole.y) / 2);
                Pause(700 * attempt);
                TypeKey(display, XK_x);
                for (int i = 0; i < 50 && !ended; ++i, Pause(100)) {
                    ended = waitpid(pid, &status, WNOHANG) == pid;
                }
            }
        } else {
            AskToClose(display, window);
        }
    }
    for (int i = 0; i < 300 && !ended; ++i, Pause(100)) {
        ended = waitpid(pid, &status, WNOHANG) == pid;
    }
    FirstOpenedPicture(watch, first);
    if (argc > 3) {
        std::printf("first background: %s\n", first.empty() ? "(none)" : first.c_str());
    }
    XCloseDisplay(display);
    if (!ended) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        std::fprintf(stderr, "install_driver: the program did not end\n");
        return 102;
    }
    if (window == 0) {
        std::fprintf(stderr, "install_driver: the window never appeared\n");
        return 103;
    }
    return ExitCode(status);
}
