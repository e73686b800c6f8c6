#include "platform/linux/wayland/protocol_tables.h"

#include <wayland-client-core.h>
#include <wayland-client-protocol.h>

namespace pultara::linux_wayland {

namespace {

// A message's `types` name the interface of each object or new_id argument,
// null for every other argument.
const wl_interface* kNoTypes[] = {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};
const wl_interface* kSeatAndKeyboard[] = {&wl_seat_interface, &kVirtualKeyboard};
const wl_interface* kSeatAndPointer[] = {&wl_seat_interface, &kVirtualPointer};
const wl_interface* kSeatOutputAndPointer[] = {&wl_seat_interface, &wl_output_interface,
                                               &kVirtualPointer};
const wl_interface* kNewToplevel[] = {&kToplevelHandle};
const wl_interface* kSeat[] = {&wl_seat_interface};
const wl_interface* kSurfaceRectangle[] = {&wl_surface_interface, nullptr, nullptr, nullptr,
                                           nullptr};
const wl_interface* kOutput[] = {&wl_output_interface};
const wl_interface* kParent[] = {&kToplevelHandle};

const wl_message kKeyboardManagerRequests[] = {
    {"create_virtual_keyboard", "on", kSeatAndKeyboard},
};
const wl_message kKeyboardRequests[] = {
    {"keymap", "uhu", kNoTypes},
    {"key", "uuu", kNoTypes},
    {"modifiers", "uuuu", kNoTypes},
    {"destroy", "", kNoTypes},
};
const wl_message kPointerManagerRequests[] = {
    {"create_virtual_pointer", "?on", kSeatAndPointer},
    {"destroy", "", kNoTypes},
    {"create_virtual_pointer_with_output", "2?o?on", kSeatOutputAndPointer},
};
const wl_message kPointerRequests[] = {
    {"motion", "uff", kNoTypes},   {"motion_absolute", "uuuuu", kNoTypes},
    {"button", "uuu", kNoTypes},   {"axis", "uuf", kNoTypes},
    {"frame", "", kNoTypes},       {"axis_source", "u", kNoTypes},
    {"axis_stop", "uu", kNoTypes}, {"axis_discrete", "uufi", kNoTypes},
    {"destroy", "", kNoTypes},
};
const wl_message kToplevelManagerRequests[] = {
    {"stop", "", kNoTypes},
};
const wl_message kToplevelManagerEvents[] = {
    {"toplevel", "n", kNewToplevel},
    {"finished", "", kNoTypes},
};
const wl_message kToplevelRequests[] = {
    {"set_maximized", "", kNoTypes},
    {"unset_maximized", "", kNoTypes},
    {"set_minimized", "", kNoTypes},
    {"unset_minimized", "", kNoTypes},
    {"activate", "o", kSeat},
    {"close", "", kNoTypes},
    {"set_rectangle", "?oiiii", kSurfaceRectangle},
    {"destroy", "", kNoTypes},
    {"set_fullscreen", "2?o", kOutput},
    {"unset_fullscreen", "2", kNoTypes},
};
const wl_message kToplevelEvents[] = {
    {"title", "s", kNoTypes},       {"app_id", "s", kNoTypes},  {"output_enter", "o", kOutput},
    {"output_leave", "o", kOutput}, {"state", "a", kNoTypes},   {"done", "", kNoTypes},
    {"closed", "", kNoTypes},       {"parent", "3?o", kParent},
};

template <typename T, int N>
constexpr int Count(const T (&)[N]) {
    return N;
}

// Request opcodes, in the order of the lists above.
enum : std::uint32_t { kCreateVirtualKeyboard = 0 };
enum : std::uint32_t { kKeymap = 0, kKey = 1, kModifiers = 2, kKeyboardDestroy = 3 };
enum : std::uint32_t { kCreateVirtualPointer = 0 };
enum : std::uint32_t { kMotion = 0, kButton = 2, kFrame = 4, kPointerDestroy = 8 };
enum : std::uint32_t { kStop = 0 };
enum : std::uint32_t { kUnsetMinimized = 3, kActivate = 4, kHandleDestroy = 7 };

std::uint32_t Version(wl_proxy* proxy) {
    return wl_proxy_get_version(proxy);
}

}  // namespace

const wl_interface kVirtualKeyboardManager = {
    "zwp_virtual_keyboard_manager_v1", 1, Count(kKeyboardManagerRequests),
    kKeyboardManagerRequests,          0, nullptr};
const wl_interface kVirtualKeyboard = {"zwp_virtual_keyboard_v1", 1, Count(kKeyboardRequests),
                                       kKeyboardRequests,         0, nullptr};
const wl_interface kVirtualPointerManager = {
    "zwlr_virtual_pointer_manager_v1", 2, Count(kPointerManagerRequests),
    kPointerManagerRequests,           0, nullptr};
const wl_interface kVirtualPointer = {"zwlr_virtual_pointer_v1", 2, Count(kPointerRequests),
                                      kPointerRequests,          0, nullptr};
const wl_interface kToplevelManager = {"zwlr_foreign_toplevel_manager_v1", 3,
                                       Count(kToplevelManagerRequests),    kToplevelManagerRequests,
                                       Count(kToplevelManagerEvents),      kToplevelManagerEvents};
const wl_interface kToplevelHandle = {"zwlr_foreign_toplevel_handle_v1",
                                      3,
                                      Count(kToplevelRequests),
                                      kToplevelRequests,
                                      Count(kToplevelEvents),
                                      kToplevelEvents};

wl_proxy* CreateVirtualKeyboard(wl_proxy* manager, wl_proxy* seat) {
    return wl_proxy_marshal_flags(manager, kCreateVirtualKeyboard, &kVirtualKeyboard,
                                  Version(manager), 0, seat, nullptr);
}

void UploadKeymap(wl_proxy* keyboard, std::int32_t fd, std::uint32_t size) {
    wl_proxy_marshal_flags(keyboard, kKeymap, nullptr, Version(keyboard), 0, kKeymapFormatXkbV1, fd,
                           size);
}

void SendKey(wl_proxy* keyboard, std::uint32_t time, std::uint32_t key, bool pressed) {
    wl_proxy_marshal_flags(keyboard, kKey, nullptr, Version(keyboard), 0, time, key,
                           pressed ? 1u : 0u);
}

void SendModifiers(wl_proxy* keyboard, std::uint32_t depressed, std::uint32_t latched,
                   std::uint32_t locked, std::uint32_t group) {
    wl_proxy_marshal_flags(keyboard, kModifiers, nullptr, Version(keyboard), 0, depressed, latched,
                           locked, group);
}

void DestroyVirtualKeyboard(wl_proxy* keyboard) {
    wl_proxy_marshal_flags(keyboard, kKeyboardDestroy, nullptr, Version(keyboard),
                           WL_MARSHAL_FLAG_DESTROY);
}

wl_proxy* CreateVirtualPointer(wl_proxy* manager, wl_proxy* seat) {
    return wl_proxy_marshal_flags(manager, kCreateVirtualPointer, &kVirtualPointer,
                                  Version(manager), 0, seat, nullptr);
}

void SendMotion(wl_proxy* pointer, std::uint32_t time, double dx, double dy) {
    wl_proxy_marshal_flags(pointer, kMotion, nullptr, Version(pointer), 0, time,
                           wl_fixed_from_double(dx), wl_fixed_from_double(dy));
}

void SendButton(wl_proxy* pointer, std::uint32_t time, std::uint32_t button, bool pressed) {
    wl_proxy_marshal_flags(pointer, kButton, nullptr, Version(pointer), 0, time, button,
                           pressed ? 1u : 0u);
}

void SendFrame(wl_proxy* pointer) {
    wl_proxy_marshal_flags(pointer, kFrame, nullptr, Version(pointer), 0);
}

void DestroyVirtualPointer(wl_proxy* pointer) {
    wl_proxy_marshal_flags(pointer, kPointerDestroy, nullptr, Version(pointer),
                           WL_MARSHAL_FLAG_DESTROY);
}

void UnsetMinimized(wl_proxy* handle) {
    wl_proxy_marshal_flags(handle, kUnsetMinimized, nullptr, Version(handle), 0);
}

void ActivateToplevel(wl_proxy* handle, wl_proxy* seat) {
    wl_proxy_marshal_flags(handle, kActivate, nullptr, Version(handle), 0, seat);
}

void DestroyToplevelHandle(wl_proxy* handle) {
    wl_proxy_marshal_flags(handle, kHandleDestroy, nullptr, Version(handle),
                           WL_MARSHAL_FLAG_DESTROY);
}

void StopToplevelManager(wl_proxy* manager) {
    wl_proxy_marshal_flags(manager, kStop, nullptr, Version(manager), 0);
}

}  // namespace pultara::linux_wayland
