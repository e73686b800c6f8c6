#include "platform/linux/wayland/wayland_ports.h"

namespace pultara::linux_wayland {

std::string WaylandPorts::Missing() const {
    if (!session.Connected()) {
        return "Pultara läuft in einer Wayland-Sitzung, erreicht den Wayland-Compositor aber "
               "nicht (WAYLAND_DISPLAY). Tastendrücke und Mausklicks erreichen nur "
               "X11-Programme (XWayland).";
    }
    std::string missing;
    if (!keyboard.Available()) {
        missing +=
            "Der Compositor bietet keine virtuelle Tastatur "
            "(zwp_virtual_keyboard_manager_v1): Tastendrücke erreichen keine Fenster. ";
    }
    if (!mouse.Available()) {
        missing +=
            "Der Compositor bietet keinen virtuellen Mauszeiger "
            "(zwlr_virtual_pointer_manager_v1): der Mauszeiger bewegt sich nicht. ";
    }
    if (!desktop.Available()) {
        missing +=
            "Der Compositor bietet keine Fensterliste "
            "(zwlr_foreign_toplevel_manager_v1): Fenster werden nicht nach ihrem Titel "
            "gefunden, Tasten gehen an das Fenster mit dem Fokus, und die Liste der "
            "Fenstertitel bleibt leer. ";
    }
    if (!missing.empty()) {
        missing += "GNOME und KDE bieten das nicht an; sway, Hyprland und labwc schon.";
    }
    return missing;
}

}  // namespace pultara::linux_wayland
