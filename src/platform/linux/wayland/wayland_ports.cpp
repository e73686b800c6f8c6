#include "platform/linux/wayland/wayland_ports.h"

namespace pultara::linux_wayland {

WaylandPorts::WaylandPorts(const std::string& uinputPath) {
    if (!session_.Connected() || (virtualKeyboard_.Available() && virtualPointer_.Available())) {
        return;
    }
    uinput_ = UinputDevice::Create(uinputPath, uinputError_);
    if (!uinput_) {
        return;
    }
    if (!virtualKeyboard_.Available()) {
        std::optional<TypingKeymap> layout = TypingKeymap::Compile(session_.SeatKeymap());
        if (!layout) {
            layout = TypingKeymap::Compile("");
        }
        if (layout) {
            uinputKeyboard_.emplace(uinput_->writer(), std::move(*layout));
        }
    }
    if (!virtualPointer_.Available()) {
        uinputMouse_.emplace(uinput_->writer(), session_.Extent());
    }
}

Keyboard& WaylandPorts::keyboard() {
    return uinputKeyboard_ ? static_cast<Keyboard&>(*uinputKeyboard_) : virtualKeyboard_;
}

Mouse& WaylandPorts::mouse() {
    return uinputMouse_ ? static_cast<Mouse&>(*uinputMouse_) : virtualPointer_;
}

void WaylandPorts::ReleaseAllKeys() {
    virtualKeyboard_.ReleaseAllKeys();
    if (uinputKeyboard_) {
        uinputKeyboard_->ReleaseAllKeys();
    }
}

std::string WaylandPorts::Missing(bool windowsElsewhere) const {
    if (!session_.Connected()) {
        return "Pultara läuft in einer Wayland-Sitzung, erreicht den Wayland-Compositor aber "
               "nicht (WAYLAND_DISPLAY). Tastendrücke und Mausklicks erreichen nur "
               "X11-Programme (XWayland).";
    }
    std::string missing;
    const bool keys = virtualKeyboard_.Available() || uinputKeyboard_;
    const bool pointer = virtualPointer_.Available() || uinputMouse_;
    if (!keys || !pointer) {
        missing += "Der Compositor bietet keine virtuelle ";
        missing += !keys && !pointer ? "Tastatur und Maus" : !keys ? "Tastatur" : "Maus";
        missing += " an, und das Kernel-Eingabegerät ist nicht nutzbar (" + uinputError_ + "): ";
        missing += !keys ? "Tastendrücke erreichen keine Fenster. " : "";
        missing += !pointer ? "Der Mauszeiger bewegt sich nicht. " : "";
        missing +=
            "Abhilfe: das Paket pultara legt die udev-Regel "
            "/usr/lib/udev/rules.d/60-pultara-uinput.rules an, die dem angemeldeten "
            "Benutzer /dev/uinput freigibt; danach einmal ab- und wieder anmelden. Fehlt "
            "/dev/uinput ganz, lädt \"sudo modprobe uinput\" das Kernelmodul. ";
    }
    if (!desktop_.Available() && !windowsElsewhere) {
        missing +=
            "Der Compositor bietet keine Fensterliste "
            "(zwlr_foreign_toplevel_manager_v1): Fenster werden nicht nach ihrem Titel "
            "gefunden, Tasten gehen an das Fenster mit dem Fokus, und die Liste der "
            "Fenstertitel bleibt leer (GNOME bietet sie nicht an, KDE über KWins D-Bus-Dienst "
            "org.kde.KWin, der hier fehlt).";
    }
    return missing;
}

}  // namespace pultara::linux_wayland
