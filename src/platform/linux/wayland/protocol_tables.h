#pragma once
#include <cstdint>

struct wl_interface;
struct wl_proxy;

namespace pultara::linux_wayland {

// Interface tables and requests of the compositor protocols the back end
// speaks that no installed package describes: the virtual keyboard
// (zwp_virtual_keyboard_manager_v1 1), the virtual pointer
// (zwlr_virtual_pointer_manager_v1 2) and the window list
// (zwlr_foreign_toplevel_manager_v1 3). Written from the protocols' published
// request and event lists; the opcodes are the positions in those lists.
extern const wl_interface kVirtualKeyboardManager;
extern const wl_interface kVirtualKeyboard;
extern const wl_interface kVirtualPointerManager;
extern const wl_interface kVirtualPointer;
extern const wl_interface kToplevelManager;
extern const wl_interface kToplevelHandle;

// zwp_virtual_keyboard_v1 requests.
inline constexpr std::uint32_t kKeymapFormatXkbV1 = 1;
wl_proxy* CreateVirtualKeyboard(wl_proxy* manager, wl_proxy* seat);
void UploadKeymap(wl_proxy* keyboard, std::int32_t fd, std::uint32_t size);
void SendKey(wl_proxy* keyboard, std::uint32_t time, std::uint32_t key, bool pressed);
void SendModifiers(wl_proxy* keyboard, std::uint32_t depressed, std::uint32_t latched,
                   std::uint32_t locked, std::uint32_t group);
void DestroyVirtualKeyboard(wl_proxy* keyboard);

// zwlr_virtual_pointer_v1 requests.
wl_proxy* CreateVirtualPointer(wl_proxy* manager, wl_proxy* seat);
void SendMotion(wl_proxy* pointer, std::uint32_t time, double dx, double dy);
void SendButton(wl_proxy* pointer, std::uint32_t time, std::uint32_t button, bool pressed);
void SendFrame(wl_proxy* pointer);
void DestroyVirtualPointer(wl_proxy* pointer);

// zwlr_foreign_toplevel_handle_v1 requests and states.
inline constexpr std::uint32_t kToplevelStateMinimized = 1;
inline constexpr std::uint32_t kToplevelStateActivated = 2;
void UnsetMinimized(wl_proxy* handle);
void ActivateToplevel(wl_proxy* handle, wl_proxy* seat);
void DestroyToplevelHandle(wl_proxy* handle);
void StopToplevelManager(wl_proxy* manager);

}  // namespace pultara::linux_wayland
