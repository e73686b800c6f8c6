#include "platform/linux/wayland/wayland_session.h"

#include <poll.h>
#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

#include <algorithm>
#include <cstring>

#include "platform/linux/wayland/protocol_tables.h"

namespace pultara::linux_wayland {

namespace {

wl_proxy* Bind(wl_registry* registry, std::uint32_t name, const wl_interface& interface,
               std::uint32_t offered, std::uint32_t wanted) {
    return static_cast<wl_proxy*>(
        wl_registry_bind(registry, name, &interface, std::min(offered, wanted)));
}

void Ignore() {}

void OutputGeometry(void* data, wl_output* /*output*/, std::int32_t x, std::int32_t y,
                    std::int32_t /*mmWidth*/, std::int32_t /*mmHeight*/, std::int32_t /*subpixel*/,
                    const char* /*make*/, const char* /*model*/, std::int32_t /*transform*/) {
    auto* output = static_cast<WaylandSession::Output*>(data);
    output->x = x;
    output->y = y;
}

void OutputMode(void* data, wl_output* /*output*/, std::uint32_t flags, std::int32_t width,
                std::int32_t height, std::int32_t /*refresh*/) {
    if ((flags & WL_OUTPUT_MODE_CURRENT) != 0) {
        auto* output = static_cast<WaylandSession::Output*>(data);
        output->width = width;
        output->height = height;
    }
}

void OutputScale(void* data, wl_output* /*output*/, std::int32_t scale) {
    static_cast<WaylandSession::Output*>(data)->scale = std::max(scale, 1);
}

const wl_output_listener kOutputListener = {OutputGeometry,
                                            OutputMode,
                                            [](void*, wl_output*) { Ignore(); },
                                            OutputScale,
                                            [](void*, wl_output*, const char*) { Ignore(); },
                                            [](void*, wl_output*, const char*) { Ignore(); }};

void SeatCapabilities(void* data, wl_seat* /*seat*/, std::uint32_t capabilities) {
    *static_cast<std::uint32_t*>(data) = capabilities;
}

const wl_seat_listener kSeatListener = {SeatCapabilities,
                                        [](void*, wl_seat*, const char*) { Ignore(); }};

// The keymap event of a wl_keyboard: the layout arrives as a shared file.
void KeyboardKeymap(void* data, wl_keyboard* /*keyboard*/, std::uint32_t format, std::int32_t fd,
                    std::uint32_t size) {
    if (format == WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1 && size > 1) {
        void* map = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
        if (map != MAP_FAILED) {
            const char* text = static_cast<const char*>(map);
            static_cast<std::string*>(data)->assign(text, strnlen(text, size));
            munmap(map, size);
        }
    }
    close(fd);
}

const wl_keyboard_listener kKeyboardListener = {
    KeyboardKeymap,
    [](void*, wl_keyboard*, std::uint32_t, wl_surface*, wl_array*) { Ignore(); },
    [](void*, wl_keyboard*, std::uint32_t, wl_surface*) { Ignore(); },
    [](void*, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t) {
        Ignore();
    },
    [](void*, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t,
       std::uint32_t) { Ignore(); },
    [](void*, wl_keyboard*, std::int32_t, std::int32_t) { Ignore(); }};

const wl_registry_listener kRegistryListener = {
    &WaylandSession::Global, [](void*, wl_registry*, std::uint32_t) { Ignore(); }};

}  // namespace

WaylandSession::WaylandSession() : display_(wl_display_connect(nullptr)) {
    if (display_ == nullptr) {
        return;
    }
    registry_ = wl_display_get_registry(display_);
    wl_registry_add_listener(registry_, &kRegistryListener, this);
    wl_display_roundtrip(display_);  // the globals
    wl_display_roundtrip(display_);  // the seat's capabilities and the outputs' modes
    ReadSeatKeymap();
}

WaylandSession::~WaylandSession() {
    if (display_ == nullptr) {
        return;
    }
    for (wl_proxy* proxy : {seat_, keyboardManager_, pointerManager_, toplevelManager_}) {
        if (proxy != nullptr) {
            wl_proxy_destroy(proxy);
        }
    }
    for (Output* output : outputs_) {
        wl_proxy_destroy(output->proxy);
        delete output;
    }
    wl_registry_destroy(registry_);
    wl_display_disconnect(display_);
}

void WaylandSession::Global(void* data, wl_registry* registry, std::uint32_t name,
                            const char* interface, std::uint32_t version) {
    auto* self = static_cast<WaylandSession*>(data);
    const auto is = [interface](const wl_interface& known) {
        return std::strcmp(interface, known.name) == 0;
    };
    if (is(wl_seat_interface) && self->seat_ == nullptr) {
        self->seat_ = Bind(registry, name, wl_seat_interface, version, 1);
        wl_seat_add_listener(reinterpret_cast<wl_seat*>(self->seat_), &kSeatListener,
                             &self->seatCapabilities_);
    } else if (is(wl_output_interface)) {
        auto* output = new Output;
        output->proxy = Bind(registry, name, wl_output_interface, version, 2);
        wl_output_add_listener(reinterpret_cast<wl_output*>(output->proxy), &kOutputListener,
                               output);
        self->outputs_.push_back(output);
    } else if (is(kVirtualKeyboardManager)) {
        self->keyboardManager_ = Bind(registry, name, kVirtualKeyboardManager, version, 1);
    } else if (is(kVirtualPointerManager)) {
        self->pointerManager_ = Bind(registry, name, kVirtualPointerManager, version, 1);
    } else if (is(kToplevelManager)) {
        self->toplevelManagerName_ = name;
        self->toplevelManagerVersion_ = version;
    }
}

wl_proxy* WaylandSession::BindToplevelManager() {
    if (toplevelManager_ == nullptr && toplevelManagerName_ != 0) {
        toplevelManager_ =
            Bind(registry_, toplevelManagerName_, kToplevelManager, toplevelManagerVersion_, 3);
    }
    return toplevelManager_;
}

void WaylandSession::ReadSeatKeymap() {
    if (seat_ == nullptr || (seatCapabilities_ & WL_SEAT_CAPABILITY_KEYBOARD) == 0) {
        return;
    }
    wl_keyboard* keyboard = wl_seat_get_keyboard(reinterpret_cast<wl_seat*>(seat_));
    wl_keyboard_add_listener(keyboard, &kKeyboardListener, &seatKeymap_);
    wl_display_roundtrip(display_);
    wl_keyboard_destroy(keyboard);
}

DesktopExtent WaylandSession::Extent() const {
    DesktopExtent extent;
    bool first = true;
    for (const Output* output : outputs_) {
        if (output->width <= 0 || output->height <= 0) {
            continue;
        }
        const std::int32_t right = output->x + output->width / output->scale;
        const std::int32_t bottom = output->y + output->height / output->scale;
        extent.left = first ? output->x : std::min(extent.left, output->x);
        extent.top = first ? output->y : std::min(extent.top, output->y);
        extent.right = first ? right : std::max(extent.right, right);
        extent.bottom = first ? bottom : std::max(extent.bottom, bottom);
        first = false;
    }
    return extent;
}

void WaylandSession::Flush() {
    if (display_ != nullptr) {
        wl_display_flush(display_);
    }
}

void WaylandSession::ReadEvents() {
    // A connection the compositor has broken keeps its unread events: stop
    // instead of trying again forever.
    if (display_ == nullptr || wl_display_get_error(display_) != 0) {
        return;
    }
    while (wl_display_prepare_read(display_) != 0) {
        if (wl_display_dispatch_pending(display_) < 0) {
            return;
        }
    }
    wl_display_flush(display_);
    pollfd waiting{wl_display_get_fd(display_), POLLIN, 0};
    if (poll(&waiting, 1, 0) > 0) {
        wl_display_read_events(display_);
    } else {
        wl_display_cancel_read(display_);
    }
    wl_display_dispatch_pending(display_);
}

void WaylandSession::Roundtrip() {
    if (display_ != nullptr) {
        wl_display_roundtrip(display_);
    }
}

}  // namespace pultara::linux_wayland
