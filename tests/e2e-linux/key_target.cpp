// A small X program that records what it receives: typed characters as
// UTF-8, other keys as {Name}, Ctrl/Alt combinations as <C-A-name>, mouse
// buttons as {ButtonN}. Each entry is appended to the log file at once.
//
//   pultara-key-target --title TITLE --log FILE [--geometry WxH+X+Y]
//                      [--tag NAME] [--log-focus 1]
//
// With --tag every entry is a line "NAME:entry", so that several targets can
// share one log and their order shows; --log-focus 1 adds "{Focus}" entries
// when the window receives the keyboard focus.
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <xkbcommon/xkbcommon.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

struct Options {
    std::string title = "Pultara target";
    std::string log = "/dev/stdout";
    std::string tag;
    bool logFocus = false;
    unsigned width = 420, height = 160;
    int x = 60, y = 60;
};

Options Parse(int argc, char** argv) {
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        if (name == "--title") {
            options.title = argv[i + 1];
        } else if (name == "--log") {
            options.log = argv[i + 1];
        } else if (name == "--tag") {
            options.tag = argv[i + 1];
        } else if (name == "--log-focus") {
            options.logFocus = std::string(argv[i + 1]) == "1";
        } else if (name == "--geometry") {
            std::sscanf(argv[i + 1], "%ux%u+%d+%d", &options.width, &options.height, &options.x,
                        &options.y);
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

}  // namespace

int main(int argc, char** argv) {
    const Options options = Parse(argc, argv);
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "pultara-key-target: no X display\n");
        return 1;
    }
    FILE* log = std::fopen(options.log.c_str(), "a");
    if (log == nullptr) {
        std::perror(options.log.c_str());
        return 1;
    }
    const int screen = DefaultScreen(display);
    const Window window = XCreateSimpleWindow(
        display, RootWindow(display, screen), options.x, options.y, options.width, options.height,
        1, BlackPixel(display, screen), WhitePixel(display, screen));
    SetTitle(display, window, options.title);
    XWMHints hints{};
    hints.flags = InputHint;
    hints.input = True;
    XSetWMHints(display, window, &hints);
    Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(display, window, &deleteWindow, 1);
    XSelectInput(display, window, KeyPressMask | ButtonPressMask | ExposureMask | FocusChangeMask);
    XMapWindow(display, window);
    XFlush(display);

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
        if (!entry.empty()) {
            if (!options.tag.empty()) {
                entry = options.tag + ":" + entry + "\n";
            }
            std::fputs(entry.c_str(), log);
            std::fflush(log);
        }
    }
    std::fclose(log);
    XCloseDisplay(display);
    return 0;
}
