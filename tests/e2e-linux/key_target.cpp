// A small X program that records what it receives: typed characters as
// UTF-8, other keys as {Name}, Ctrl/Alt combinations as <C-A-name>, mouse
// buttons as {ButtonN}. Each entry is appended to the log file at once.
//
//   pultara-key-target --title TITLE --log FILE [--geometry WxH+X+Y]
//                      [--tag NAME] [--log-focus 1] [--also "TITLE=NAME"]...
//   pultara-key-target --ping WINDOW
//
// With --tag every entry is a line "NAME:entry"; --log-focus 1 adds "{Focus}"
// entries when a window receives the keyboard focus. Each --also opens one
// more window, whose entries carry its own NAME. All windows belong to this
// one X connection, so the log is in the order the X server delivered the
// events; entries of separate target processes have no order among them.
//
// --ping sends _NET_WM_PING to WINDOW and waits for its answer: the window's
// program has then read every X event sent to it before the ping.
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <xkbcommon/xkbcommon.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Options {
    std::string title = "Pultara target";
    std::string log = "/dev/stdout";
    std::string tag;
    std::vector<std::pair<std::string, std::string>> also;  // title, tag
    bool logFocus = false;
    unsigned width = 420, height = 160;
    int x = 60, y = 60;
    unsigned long ping = 0;
};

Options Parse(int argc, char** argv) {
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const std::string value = argv[i + 1];
        if (name == "--title") {
            options.title = value;
        } else if (name == "--log") {
            options.log = value;
        } else if (name == "--tag") {
            options.tag = value;
        } else if (name == "--log-focus") {
            options.logFocus = value == "1";
        } else if (name == "--geometry") {
            std::sscanf(value.c_str(), "%ux%u+%d+%d", &options.width, &options.height, &options.x,
                        &options.y);
        } else if (name == "--also") {
            const auto equals = value.rfind('=');
            options.also.emplace_back(value.substr(0, equals),
                                      equals == std::string::npos ? "" : value.substr(equals + 1));
        } else if (name == "--ping") {
            options.ping = std::strtoul(value.c_str(), nullptr, 0);
        }
    }
    return options;
}

bool IsModifier(KeySym keysym) {
    return IsModifierKey(keysym) || keysym == XK_ISO_Level3_Shift || keysym == XK_Num_Lock;
}

std::string Describe(const XKeyEvent& event) {
    XKeyEvent copy = event;
    char buffer[32];
    KeySym keysym = NoSymbol;
    XLookupString(&copy, buffer, sizeof buffer, &keysym, nullptr);
    if (IsModifier(keysym)) {
        return keysym == XK_Num_Lock ? "{Num_Lock}" : "";
    }
    const char* name = XKeysymToString(keysym);
    const std::string keyName = name != nullptr ? name : std::to_string(keysym);
    if ((event.state & (ControlMask | Mod1Mask)) != 0) {
        std::string combo = "<";
        combo += (event.state & ControlMask) != 0 ? "C-" : "";
        combo += (event.state & Mod1Mask) != 0 ? "A-" : "";
        return combo + keyName + ">";
    }
    char utf8[8] = {};
    if (xkb_keysym_to_utf8(static_cast<xkb_keysym_t>(keysym), utf8, sizeof utf8) > 0 &&
        static_cast<unsigned char>(utf8[0]) >= 0x20 && utf8[0] != 0x7F) {
        return utf8;
    }
    return "{" + keyName + "}";
}

void SetTitle(Display* display, Window window, const std::string& title) {
    XStoreName(display, window, title.c_str());
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False),
                    XInternAtom(display, "UTF8_STRING", False), 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(title.data()),
                    static_cast<int>(title.size()));
}

Window OpenWindow(Display* display, const Options& options, const std::string& title) {
    const int screen = DefaultScreen(display);
    const Window window = XCreateSimpleWindow(
        display, RootWindow(display, screen), options.x, options.y, options.width, options.height,
        1, BlackPixel(display, screen), WhitePixel(display, screen));
    SetTitle(display, window, title);
    XWMHints hints{};
    hints.flags = InputHint;
    hints.input = True;
    XSetWMHints(display, window, &hints);
    Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(display, window, &deleteWindow, 1);
    XSelectInput(display, window, KeyPressMask | ButtonPressMask | ExposureMask | FocusChangeMask);
    XMapWindow(display, window);
    return window;
}

// Sends the ping and waits up to 20 s for the answer the window's program
// sends to the root window.
int Ping(Display* display, Window window) {
    const Window root = DefaultRootWindow(display);
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    const Atom ping = XInternAtom(display, "_NET_WM_PING", False);
    XSelectInput(display, root, StructureNotifyMask | SubstructureNotifyMask);
    const long stamp =
        static_cast<long>(std::chrono::steady_clock::now().time_since_epoch().count() & 0x7FFFFFFF);
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = protocols;
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(ping);
    event.xclient.data.l[1] = stamp;
    event.xclient.data.l[2] = static_cast<long>(window);
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < end) {
        while (XPending(display) > 0) {
            XNextEvent(display, &event);
            if (event.type == ClientMessage && event.xclient.message_type == protocols &&
                static_cast<Atom>(event.xclient.data.l[0]) == ping &&
                event.xclient.data.l[1] == stamp) {
                return 0;
            }
        }
        pollfd wait{ConnectionNumber(display), POLLIN, 0};
        poll(&wait, 1, 100);
    }
    std::fprintf(stderr, "pultara-key-target: window 0x%lx did not answer the ping\n", window);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    const Options options = Parse(argc, argv);
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "pultara-key-target: no X display\n");
        return 1;
    }
    if (options.ping != 0) {
        const int status = Ping(display, static_cast<Window>(options.ping));
        XCloseDisplay(display);
        return status;
    }
    FILE* log = std::fopen(options.log.c_str(), "a");
    if (log == nullptr) {
        std::perror(options.log.c_str());
        return 1;
    }
    std::vector<std::pair<Window, std::string>> windows;  // window, tag
    windows.emplace_back(OpenWindow(display, options, options.title), options.tag);
    for (const auto& [title, tag] : options.also) {
        windows.emplace_back(OpenWindow(display, options, title), tag);
    }
    XFlush(display);
    const Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);

    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        std::string entry;
        if (event.type == KeyPress) {
            entry = Describe(event.xkey);
        } else if (event.type == ButtonPress) {
            entry = "{Button" + std::to_string(event.xbutton.button) + "}";
        } else if (event.type == FocusIn && options.logFocus && event.xfocus.mode == NotifyNormal &&
                   event.xfocus.detail != NotifyPointer && event.xfocus.detail != NotifyInferior) {
            entry = "{Focus}";
        } else if (event.type == ClientMessage &&
                   static_cast<Atom>(event.xclient.data.l[0]) == deleteWindow) {
            break;
        }
        if (entry.empty()) {
            continue;
        }
        std::string tag;
        for (const auto& [window, windowTag] : windows) {
            if (window == event.xany.window) {
                tag = windowTag;
            }
        }
        if (!tag.empty()) {
            entry.insert(0, tag + ':');
            entry += '\n';
        }
        std::fputs(entry.c_str(), log);
        std::fflush(log);
    }
    std::fclose(log);
    XCloseDisplay(display);
    return 0;
}
