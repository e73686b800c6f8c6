// An X client that notes the moment (CLOCK_MONOTONIC, nanoseconds) at which
// each key press and mouse button press reaches it, for latency and tick
// measurements. Every line is written to the log at once:
//
//   <ns> K <keysym name>     a key press
//   <ns> B <button>          a mouse button press
//   <ns> P <x> <y>           the pointer position (with --pointer-ms)
//
//   key_clock --title TITLE --log FILE [--pointer-ms N] [--warp X,Y] [--cover]
//
// --cover makes the window fill the screen without decorations, so that
// random clicks always land on it and never on the window manager.
//   key_clock --keys-down    prints the keys the server holds down, then exits
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <signal.h>
#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

volatile sig_atomic_t stopping = 0;

long long Now() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

struct Options {
    std::string title = "Pultara key clock";
    std::string log = "/dev/stdout";
    int pointerMs = 0;
    int warpX = -1, warpY = -1;
    bool keysDown = false;
    bool cover = false;
};

Options Parse(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : "";
        if (name == "--keys-down") {
            options.keysDown = true;
            continue;
        }
        if (name == "--cover") {
            options.cover = true;
            continue;
        }
        ++i;
        if (name == "--title") {
            options.title = value;
        } else if (name == "--log") {
            options.log = value;
        } else if (name == "--pointer-ms") {
            options.pointerMs = std::atoi(value);
        } else if (name == "--warp") {
            std::sscanf(value, "%d,%d", &options.warpX, &options.warpY);
        }
    }
    return options;
}

// Lists every key the server holds down; an empty line when none is.
int PrintKeysDown(Display* display) {
    char keys[32] = {};
    XQueryKeymap(display, keys);
    int down = 0;
    for (int code = 0; code < 256; ++code) {
        if ((keys[code / 8] >> (code % 8)) & 1) {
            const KeySym keysym = XkbKeycodeToKeysym(display, static_cast<KeyCode>(code), 0, 0);
            const char* name = XKeysymToString(keysym);
            std::printf("%s%s", down++ ? " " : "", name != nullptr ? name : "?");
        }
    }
    std::printf("\n");
    return 0;
}

// Asks the window manager for no title bar and no border.
void DropDecorations(Display* display, Window window) {
    const long hints[5] = {2, 0, 0, 0, 0};  // flags: decorations; decorations: none
    const Atom motif = XInternAtom(display, "_MOTIF_WM_HINTS", False);
    XChangeProperty(display, window, motif, motif, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(hints), 5);
}

Window OpenWindow(Display* display, const Options& options) {
    const int screen = DefaultScreen(display);
    const unsigned width = options.cover ? DisplayWidth(display, screen) : 400;
    const unsigned height = options.cover ? DisplayHeight(display, screen) : 200;
    const int at = options.cover ? 0 : 40;
    const Window window =
        XCreateSimpleWindow(display, RootWindow(display, screen), at, at, width, height, 0,
                            BlackPixel(display, screen), WhitePixel(display, screen));
    if (options.cover) {
        DropDecorations(display, window);
    }
    XStoreName(display, window, options.title.c_str());
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False),
                    XInternAtom(display, "UTF8_STRING", False), 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(options.title.data()),
                    static_cast<int>(options.title.size()));
    XSelectInput(display, window, KeyPressMask | ButtonPressMask | StructureNotifyMask);
    XMapWindow(display, window);
    for (XEvent event; XNextEvent(display, &event), event.type != MapNotify;) {
    }
    XSetInputFocus(display, window, RevertToParent, CurrentTime);
    if (options.warpX >= 0) {
        XWarpPointer(display, None, RootWindow(display, screen), 0, 0, 0, 0, options.warpX,
                     options.warpY);
    }
    XSync(display, False);
    return window;
}

void LogEvent(FILE* log, const XEvent& event, long long at) {
    if (event.type == KeyPress) {
        XKeyEvent copy = event.xkey;
        KeySym keysym = NoSymbol;
        char text[16];
        XLookupString(&copy, text, sizeof text, &keysym, nullptr);
        const char* name = XKeysymToString(keysym);
        std::fprintf(log, "%lld K %s\n", at, name != nullptr ? name : "?");
    } else if (event.type == ButtonPress) {
        std::fprintf(log, "%lld B %u\n", at, event.xbutton.button);
    }
}

void LogPointer(Display* display, FILE* log) {
    Window root = 0, child = 0;
    int x = 0, y = 0, wx = 0, wy = 0;
    unsigned mask = 0;
    XQueryPointer(display, DefaultRootWindow(display), &root, &child, &x, &y, &wx, &wy, &mask);
    std::fprintf(log, "%lld P %d %d\n", Now(), x, y);
}

}  // namespace

int main(int argc, char** argv) {
    const Options options = Parse(argc, argv);
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "key_clock: no X display\n");
        return 1;
    }
    if (options.keysDown) {
        return PrintKeysDown(display);
    }
    FILE* log = std::fopen(options.log.c_str(), "w");
    if (log == nullptr) {
        std::perror(options.log.c_str());
        return 1;
    }
    signal(SIGTERM, [](int) { stopping = 1; });
    signal(SIGINT, [](int) { stopping = 1; });
    OpenWindow(display, options);
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    while (!stopping) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            LogEvent(log, event, Now());
        }
        std::fflush(log);
        const int waited = poll(&connection, 1, options.pointerMs > 0 ? options.pointerMs : 200);
        if (options.pointerMs > 0 && waited == 0) {
            LogPointer(display, log);
        }
    }
    std::fclose(log);
    XCloseDisplay(display);
    return 0;
}
