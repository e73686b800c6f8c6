// Prints the titles of the windows the Wayland back end lists, one a line,
// in its order: what the title drop-down of a mode page offers.
#include <cstdio>

#include "platform/linux/wayland/toplevel_desktop.h"
#include "platform/linux/wayland/wayland_session.h"

int main() {
    pultara::linux_wayland::WaylandSession session;
    pultara::linux_wayland::ToplevelDesktop desktop(session);
    if (!desktop.Available()) {
        std::fprintf(stderr, "pultara-window-list: the compositor offers no window list\n");
        return 1;
    }
    for (const pultara::WindowId window : desktop.EnumerateWindows()) {
        if (desktop.IsWindowVisible(window)) {
            std::printf("%s\n", desktop.WindowTitle(window).c_str());
        }
    }
    return 0;
}
