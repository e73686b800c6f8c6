#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct wl_display;
struct wl_proxy;
struct wl_registry;

namespace pultara::linux_wayland {

// The rectangle of the desktop in the compositor's logical coordinates.
struct DesktopExtent {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;  // exclusive; right == left: not known
    std::int32_t bottom = 0;
};

// The back end's own connection to the Wayland compositor of the session,
// apart from the toolkit's: the seat, the outputs and the managers of the
// virtual keyboard, the virtual pointer and the window list, as far as the
// compositor offers them. Without a compositor nothing is offered.
class WaylandSession {
public:
    WaylandSession();
    ~WaylandSession();
    WaylandSession(const WaylandSession&) = delete;
    WaylandSession& operator=(const WaylandSession&) = delete;

    bool Connected() const { return display_ != nullptr; }
    wl_display* display() const { return display_; }
    wl_proxy* seat() const { return seat_; }
    wl_proxy* keyboardManager() const { return keyboardManager_; }
    wl_proxy* pointerManager() const { return pointerManager_; }
    // Binds the window list, once: its windows are announced right after
    // binding, so only the one who listens binds it. Null when not offered.
    wl_proxy* BindToplevelManager();
    // The session's keyboard layout as the compositor hands it to clients
    // (XKB v1 text), or empty when the seat has no keyboard yet.
    const std::string& SeatKeymap() const { return seatKeymap_; }
    DesktopExtent Extent() const;

    // Sends what was asked; handles what has arrived, without waiting.
    void Flush();
    void ReadEvents();
    // Waits until the compositor has handled every request sent so far.
    void Roundtrip();

    struct Output {
        wl_proxy* proxy = nullptr;
        std::int32_t x = 0;
        std::int32_t y = 0;
        std::int32_t width = 0;  // of the current mode, in pixels
        std::int32_t height = 0;
        std::int32_t scale = 1;
    };

    // The registry's announcement of a global the session may bind.
    static void Global(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
                       std::uint32_t version);

private:
    void ReadSeatKeymap();

    wl_display* display_ = nullptr;
    wl_registry* registry_ = nullptr;
    wl_proxy* seat_ = nullptr;
    std::uint32_t seatCapabilities_ = 0;
    wl_proxy* keyboardManager_ = nullptr;
    wl_proxy* pointerManager_ = nullptr;
    wl_proxy* toplevelManager_ = nullptr;
    std::uint32_t toplevelManagerName_ = 0;
    std::uint32_t toplevelManagerVersion_ = 0;
    std::vector<Output*> outputs_;
    std::string seatKeymap_;
};

}  // namespace pultara::linux_wayland
