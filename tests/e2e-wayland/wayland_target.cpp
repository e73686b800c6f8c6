// A small Wayland program that records what it receives: typed characters as
// UTF-8, other keys as {Name}, Ctrl/Alt combinations as <C-A-name>, mouse
// buttons as {ButtonN}, and with --log-pointer each pointer position as
// {Pointer X Y} (surface coordinates). Each entry is appended to the log file
// at once.
//
//   pultara-wayland-target --title TITLE --log FILE [--tag NAME]
//                          [--log-focus 1] [--log-pointer 1] [--also "TITLE=NAME"]...
//                          [--clock 1]
//
// With --clock 1 it writes only the moment (CLOCK_MONOTONIC, nanoseconds) at
// which each key press arrives, as "<ns> K <keysym name>" lines, for latency
// measurements (the format of bench/measure/key_clock).
// With --tag every entry is a line "NAME:entry"; --log-focus 1 adds "{Focus}"
// entries when a window receives the keyboard focus, and "{Keymap}" when the
// compositor hands it a keymap. Each --also opens one more window, whose
// entries carry its own NAME. All windows belong to this one connection, so
// the log is in the order the compositor delivered the events. "{Ready}" is
// written once every window has been shown.
#include <linux/input-event-codes.h>
#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "xdg-shell-client-protocol.h"

namespace {

struct Options {
    std::string log = "/dev/stdout";
    std::vector<std::pair<std::string, std::string>> windows;  // title, tag
    bool logFocus = false;
    bool logPointer = false;
    bool clock = false;
};

struct Window {
    std::string title;
    std::string tag;
    wl_surface* surface = nullptr;
    xdg_surface* xdgSurface = nullptr;
    xdg_toplevel* toplevel = nullptr;
    wl_buffer* buffer = nullptr;
    int width = 320;
    int height = 200;
    bool shown = false;
};

struct Client {
    Options options;
    std::FILE* log = nullptr;
    wl_display* display = nullptr;
    wl_compositor* compositor = nullptr;
    wl_shm* shm = nullptr;
    xdg_wm_base* wmBase = nullptr;
    wl_seat* seat = nullptr;
    wl_keyboard* keyboard = nullptr;
    wl_pointer* pointer = nullptr;
    xkb_context* xkb = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    xkb_keymap* keymap = nullptr;
    xkb_state* state = nullptr;
    std::vector<std::unique_ptr<Window>> windows;
    Window* keyboardFocus = nullptr;
    Window* pointerFocus = nullptr;
    bool ready = false;
};

void Write(Client& client, const Window* window, const std::string& entry) {
    if (entry.empty() || client.options.clock) {
        return;
    }
    const std::string tag = window != nullptr ? window->tag : std::string();
    std::fprintf(client.log, "%s%s%s\n", tag.c_str(), tag.empty() ? "" : ":", entry.c_str());
    std::fflush(client.log);
}

Window* WindowOf(Client& client, wl_surface* surface) {
    for (auto& window : client.windows) {
        if (window->surface == surface) {
            return window.get();
        }
    }
    return nullptr;
}

bool IsModifier(xkb_keysym_t sym) {
    return (sym >= XKB_KEY_Shift_L && sym <= XKB_KEY_Hyper_R) || sym == XKB_KEY_ISO_Level3_Shift ||
           sym == XKB_KEY_Num_Lock;
}

std::string Describe(Client& client, std::uint32_t key) {
    const xkb_keycode_t keycode = key + 8;
    const xkb_keysym_t sym = xkb_state_key_get_one_sym(client.state, keycode);
    if (IsModifier(sym)) {
        return sym == XKB_KEY_Num_Lock ? "{Num_Lock}" : "";
    }
    char name[64] = {};
    xkb_keysym_get_name(sym, name, sizeof name);
    const bool ctrl =
        xkb_state_mod_name_is_active(client.state, XKB_MOD_NAME_CTRL, XKB_STATE_MODS_EFFECTIVE) > 0;
    const bool alt =
        xkb_state_mod_name_is_active(client.state, XKB_MOD_NAME_ALT, XKB_STATE_MODS_EFFECTIVE) > 0;
    if (ctrl || alt) {
        return std::string("<") + (ctrl ? "C-" : "") + (alt ? "A-" : "") + name + ">";
    }
    char utf8[8] = {};
    if (xkb_keysym_to_utf8(sym, utf8, sizeof utf8) > 0 &&
        static_cast<unsigned char>(utf8[0]) >= 0x20 && utf8[0] != 0x7F) {
        return utf8;
    }
    return std::string("{") + name + "}";
}

void Paint(Client& client, Window& window) {
    const int stride = window.width * 4;
    const int size = stride * window.height;
    const int fd = memfd_create("target-buffer", MFD_CLOEXEC);
    if (fd < 0 || ftruncate(fd, size) != 0) {
        std::perror("buffer");
        std::exit(1);
    }
    void* pixels = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    std::memset(pixels, 0xC0, size);
    munmap(pixels, size);
    wl_shm_pool* pool = wl_shm_create_pool(client.shm, fd, size);
    close(fd);
    if (window.buffer != nullptr) {
        wl_buffer_destroy(window.buffer);
    }
    window.buffer = wl_shm_pool_create_buffer(pool, 0, window.width, window.height, stride,
                                              WL_SHM_FORMAT_XRGB8888);
    wl_shm_pool_destroy(pool);
    wl_surface_attach(window.surface, window.buffer, 0, 0);
    wl_surface_damage(window.surface, 0, 0, window.width, window.height);
    wl_surface_commit(window.surface);
}

// --- keyboard
void KeyboardKeymap(void* data, wl_keyboard*, std::uint32_t, std::int32_t fd, std::uint32_t size) {
    auto& client = *static_cast<Client*>(data);
    void* map = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    close(fd);
    if (map == MAP_FAILED) {
        return;
    }
    xkb_keymap* keymap =
        xkb_keymap_new_from_string(client.xkb, static_cast<const char*>(map),
                                   XKB_KEYMAP_FORMAT_TEXT_V1, XKB_KEYMAP_COMPILE_NO_FLAGS);
    munmap(map, size);
    if (keymap == nullptr) {
        Write(client, client.keyboardFocus, "{BadKeymap}");
        return;
    }
    xkb_state_unref(client.state);
    xkb_keymap_unref(client.keymap);
    client.keymap = keymap;
    client.state = xkb_state_new(keymap);
    if (client.options.logFocus) {
        Write(client, client.keyboardFocus, "{Keymap}");
    }
}

void KeyboardEnter(void* data, wl_keyboard*, std::uint32_t, wl_surface* surface, wl_array*) {
    auto& client = *static_cast<Client*>(data);
    client.keyboardFocus = WindowOf(client, surface);
    if (client.options.logFocus) {
        Write(client, client.keyboardFocus, "{Focus}");
    }
}

void KeyboardLeave(void* data, wl_keyboard*, std::uint32_t, wl_surface*) {
    static_cast<Client*>(data)->keyboardFocus = nullptr;
}

void KeyboardKey(void* data, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t key,
                 std::uint32_t state) {
    auto& client = *static_cast<Client*>(data);
    if (state == WL_KEYBOARD_KEY_STATE_PRESSED && client.options.clock) {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        char name[64] = {};
        xkb_keysym_get_name(client.state != nullptr
                                ? xkb_state_key_get_one_sym(client.state, key + 8)
                                : XKB_KEY_NoSymbol,
                            name, sizeof name);
        std::fprintf(client.log, "%lld K %s\n", now.tv_sec * 1000000000LL + now.tv_nsec, name);
        std::fflush(client.log);
    } else if (state == WL_KEYBOARD_KEY_STATE_PRESSED && client.state != nullptr) {
        Write(client, client.keyboardFocus, Describe(client, key));
    }
}

void KeyboardModifiers(void* data, wl_keyboard*, std::uint32_t, std::uint32_t depressed,
                       std::uint32_t latched, std::uint32_t locked, std::uint32_t group) {
    auto& client = *static_cast<Client*>(data);
    if (client.state != nullptr) {
        xkb_state_update_mask(client.state, depressed, latched, locked, 0, 0, group);
    }
}

void KeyboardRepeat(void*, wl_keyboard*, std::int32_t, std::int32_t) {}

const wl_keyboard_listener kKeyboardListener = {KeyboardKeymap, KeyboardEnter,     KeyboardLeave,
                                                KeyboardKey,    KeyboardModifiers, KeyboardRepeat};

// --- pointer
void PointerEnter(void* data, wl_pointer*, std::uint32_t, wl_surface* surface, wl_fixed_t x,
                  wl_fixed_t y) {
    auto& client = *static_cast<Client*>(data);
    client.pointerFocus = WindowOf(client, surface);
    if (client.options.logPointer) {
        Write(client, client.pointerFocus,
              "{Pointer " + std::to_string(wl_fixed_to_int(x)) + " " +
                  std::to_string(wl_fixed_to_int(y)) + "}");
    }
}

void PointerLeave(void* data, wl_pointer*, std::uint32_t, wl_surface*) {
    static_cast<Client*>(data)->pointerFocus = nullptr;
}

void PointerMotion(void* data, wl_pointer*, std::uint32_t, wl_fixed_t x, wl_fixed_t y) {
    auto& client = *static_cast<Client*>(data);
    if (client.options.logPointer) {
        Write(client, client.pointerFocus,
              "{Pointer " + std::to_string(wl_fixed_to_int(x)) + " " +
                  std::to_string(wl_fixed_to_int(y)) + "}");
    }
}

void PointerButton(void* data, wl_pointer*, std::uint32_t, std::uint32_t, std::uint32_t button,
                   std::uint32_t state) {
    auto& client = *static_cast<Client*>(data);
    if (state == WL_POINTER_BUTTON_STATE_PRESSED) {
        const int number = button == BTN_LEFT ? 1 : button == BTN_MIDDLE ? 2 : 3;
        Write(client, client.pointerFocus, "{Button" + std::to_string(number) + "}");
    }
}

void PointerAxis(void*, wl_pointer*, std::uint32_t, std::uint32_t, wl_fixed_t) {}
void PointerFrame(void*, wl_pointer*) {}
void PointerAxisSource(void*, wl_pointer*, std::uint32_t) {}
void PointerAxisStop(void*, wl_pointer*, std::uint32_t, std::uint32_t) {}
void PointerAxisDiscrete(void*, wl_pointer*, std::uint32_t, std::int32_t) {}

const wl_pointer_listener kPointerListener = {
    PointerEnter,        PointerLeave, PointerMotion,     PointerButton,
    PointerAxis,         PointerFrame, PointerAxisSource, PointerAxisStop,
    PointerAxisDiscrete, nullptr};  // seat version 5: no high-resolution wheel events

// --- seat and globals
void SeatCapabilities(void* data, wl_seat* seat, std::uint32_t capabilities) {
    // The seat's keyboard comes and goes with the last keyboard device (a
    // virtual keyboard, on a session without real devices); the objects of a
    // keyboard that went receive nothing any more.
    auto& client = *static_cast<Client*>(data);
    const bool keyboard = (capabilities & WL_SEAT_CAPABILITY_KEYBOARD) != 0;
    if (keyboard && client.keyboard == nullptr) {
        client.keyboard = wl_seat_get_keyboard(seat);
        wl_keyboard_add_listener(client.keyboard, &kKeyboardListener, &client);
    } else if (!keyboard && client.keyboard != nullptr) {
        wl_keyboard_release(client.keyboard);
        client.keyboard = nullptr;
        client.keyboardFocus = nullptr;
    }
    const bool pointer = (capabilities & WL_SEAT_CAPABILITY_POINTER) != 0;
    if (pointer && client.pointer == nullptr) {
        client.pointer = wl_seat_get_pointer(seat);
        wl_pointer_add_listener(client.pointer, &kPointerListener, &client);
    } else if (!pointer && client.pointer != nullptr) {
        wl_pointer_release(client.pointer);
        client.pointer = nullptr;
        client.pointerFocus = nullptr;
    }
}

void SeatName(void*, wl_seat*, const char*) {}

const wl_seat_listener kSeatListener = {SeatCapabilities, SeatName};

void WmBasePing(void*, xdg_wm_base* base, std::uint32_t serial) {
    xdg_wm_base_pong(base, serial);
}

const xdg_wm_base_listener kWmBaseListener = {WmBasePing};

void Global(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
            std::uint32_t) {
    auto& client = *static_cast<Client*>(data);
    if (std::strcmp(interface, wl_compositor_interface.name) == 0) {
        client.compositor = static_cast<wl_compositor*>(
            wl_registry_bind(registry, name, &wl_compositor_interface, 4));
    } else if (std::strcmp(interface, wl_shm_interface.name) == 0) {
        client.shm = static_cast<wl_shm*>(wl_registry_bind(registry, name, &wl_shm_interface, 1));
    } else if (std::strcmp(interface, xdg_wm_base_interface.name) == 0) {
        client.wmBase =
            static_cast<xdg_wm_base*>(wl_registry_bind(registry, name, &xdg_wm_base_interface, 1));
        xdg_wm_base_add_listener(client.wmBase, &kWmBaseListener, &client);
    } else if (std::strcmp(interface, wl_seat_interface.name) == 0 && client.seat == nullptr) {
        client.seat =
            static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 5));
        wl_seat_add_listener(client.seat, &kSeatListener, &client);
    }
}

void GlobalRemove(void*, wl_registry*, std::uint32_t) {}

const wl_registry_listener kRegistryListener = {Global, GlobalRemove};

// --- windows
struct WindowContext {
    Client* client;
    Window* window;
};

void SurfaceConfigure(void* data, xdg_surface* surface, std::uint32_t serial) {
    auto& context = *static_cast<WindowContext*>(data);
    xdg_surface_ack_configure(surface, serial);
    Paint(*context.client, *context.window);
    context.window->shown = true;
    bool all = true;
    for (auto& window : context.client->windows) {
        all = all && window->shown;
    }
    if (all && !context.client->ready) {
        context.client->ready = true;
        Write(*context.client, nullptr, "{Ready}");
    }
}

const xdg_surface_listener kSurfaceListener = {SurfaceConfigure};

void ToplevelConfigure(void* data, xdg_toplevel*, std::int32_t width, std::int32_t height,
                       wl_array*) {
    auto& window = *static_cast<WindowContext*>(data)->window;
    if (width > 0 && height > 0) {
        window.width = width;
        window.height = height;
    }
}

void ToplevelClose(void*, xdg_toplevel*) {
    std::exit(0);
}

// xdg_wm_base version 1: neither bounds nor capabilities are sent.
const xdg_toplevel_listener kToplevelListener = {ToplevelConfigure, ToplevelClose, nullptr,
                                                 nullptr};

void Open(Client& client, const std::string& title, const std::string& tag) {
    auto window = std::make_unique<Window>();
    window->title = title;
    window->tag = tag;
    window->surface = wl_compositor_create_surface(client.compositor);
    window->xdgSurface = xdg_wm_base_get_xdg_surface(client.wmBase, window->surface);
    auto* context = new WindowContext{&client, window.get()};  // lives as long as the window
    xdg_surface_add_listener(window->xdgSurface, &kSurfaceListener, context);
    window->toplevel = xdg_surface_get_toplevel(window->xdgSurface);
    xdg_toplevel_add_listener(window->toplevel, &kToplevelListener, context);
    xdg_toplevel_set_title(window->toplevel, title.c_str());
    xdg_toplevel_set_app_id(window->toplevel, "pultara-wayland-target");
    wl_surface_commit(window->surface);
    client.windows.push_back(std::move(window));
}

Options Parse(int argc, char** argv) {
    Options options;
    std::string title = "Pultara target";
    std::string tag;
    std::vector<std::pair<std::string, std::string>> also;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const std::string value = argv[i + 1];
        if (name == "--title") {
            title = value;
        } else if (name == "--log") {
            options.log = value;
        } else if (name == "--tag") {
            tag = value;
        } else if (name == "--log-focus") {
            options.logFocus = value == "1";
        } else if (name == "--clock") {
            options.clock = value == "1";
        } else if (name == "--log-pointer") {
            options.logPointer = value == "1";
        } else if (name == "--also") {
            const std::size_t equals = value.find('=');
            also.emplace_back(value.substr(0, equals),
                              equals == std::string::npos ? "" : value.substr(equals + 1));
        } else {
            std::fprintf(stderr, "unknown option %s\n", name.c_str());
            std::exit(2);
        }
    }
    options.windows.emplace_back(title, tag);
    options.windows.insert(options.windows.end(), also.begin(), also.end());
    return options;
}

}  // namespace

int main(int argc, char** argv) {
    Client client;
    client.options = Parse(argc, argv);
    client.log = std::fopen(client.options.log.c_str(), "a");
    client.display = wl_display_connect(nullptr);
    if (client.log == nullptr || client.display == nullptr) {
        std::fprintf(stderr, "pultara-wayland-target: no log file or no compositor\n");
        return 1;
    }
    wl_registry* registry = wl_display_get_registry(client.display);
    wl_registry_add_listener(registry, &kRegistryListener, &client);
    wl_display_roundtrip(client.display);
    if (client.compositor == nullptr || client.shm == nullptr || client.wmBase == nullptr) {
        std::fprintf(stderr, "pultara-wayland-target: the compositor lacks xdg-shell\n");
        return 1;
    }
    for (const auto& [title, tag] : client.options.windows) {
        Open(client, title, tag);
    }
    while (wl_display_dispatch(client.display) != -1) {
    }
    return 0;
}
