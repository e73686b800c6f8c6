// Prints the titles of the windows the Wayland back end lists, one a line,
// in its order: what the title drop-down of a mode page offers. The
// compositor's window list where it has one, else KWin's scripting, as the
// program chooses. With --states a minimised window's line ends in
// " (minimised)".
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "platform/linux/kwin/kwin_desktop.h"
#include "platform/linux/kwin/session_bus.h"
#include "platform/linux/wayland/toplevel_desktop.h"
#include "platform/linux/wayland/wayland_session.h"

int main(int argc, char** argv) {
    const bool states = argc > 1 && std::string(argv[1]) == "--states";
    pultara::linux_wayland::WaylandSession session;
    pultara::linux_wayland::ToplevelDesktop toplevels(session);
    std::unique_ptr<pultara::Desktop> kwin;
    pultara::Desktop* desktop = &toplevels;
    if (!toplevels.Available()) {
        auto bus = pultara::linux_kwin::SessionBus::ConnectToKWin();
        const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        if (!bus || runtime == nullptr) {
            std::fprintf(stderr, "pultara-window-list: the session offers no window list\n");
            return 1;
        }
        kwin = std::make_unique<pultara::linux_kwin::KWinDesktop>(std::move(bus), runtime);
        desktop = kwin.get();
    }
    for (const pultara::WindowId window : desktop->EnumerateWindows()) {
        if (desktop->IsWindowVisible(window)) {
            std::printf("%s%s\n", desktop->WindowTitle(window).c_str(),
                        states && desktop->IsIconic(window) ? " (minimised)" : "");
        }
    }
    return 0;
}
