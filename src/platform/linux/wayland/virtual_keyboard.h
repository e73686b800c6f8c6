#pragma once
#include <array>
#include <optional>

#include "platform/linux/key_injector.h"
#include "platform/linux/wayland/typing_keymap.h"
#include "platform/linux/wayland/wayland_session.h"
#include "ports/keyboard.h"

struct xkb_state;

namespace pultara::linux_wayland {

// Keys through the compositor's virtual keyboard: they reach the window that
// has the keyboard focus, as keys of a real keyboard would. The keyboard is
// created once and keeps the program's keymap (the session's layout plus the
// spare keys of `TypingKeymap`); characters are reported as the KeyCode a
// Windows layout would give, as on X11, and a character the layout lacks as
// one of the virtual keys Windows leaves unassigned, which this keyboard
// types on a spare key. Without the protocol events are dropped and the US
// layout answers the lookups.
class VirtualKeyboard : public Keyboard, private linux_x11::KeycodeSink {
public:
    explicit VirtualKeyboard(WaylandSession& session);
    ~VirtualKeyboard() override;
    VirtualKeyboard(const VirtualKeyboard&) = delete;
    VirtualKeyboard& operator=(const VirtualKeyboard&) = delete;

    bool Available() const { return keyboard_ != nullptr; }

    void SendKeyEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) override;
    std::uint16_t KeyCodeForCharacter(char32_t character) override;
    std::uint32_t ScanCodeForVirtualKey(std::uint8_t virtualKey) override;
    void PumpKeyboardMessages() override;
    // Lets go of every key still held by the program.
    void ReleaseAllKeys();

private:
    void SendKeycode(std::uint8_t keycode, bool down) override;
    bool TypesAltGrCharacter(std::uint8_t keycode, bool shifted) override;
    std::uint8_t AltGrKeycode() override;
    void Upload();
    std::uint8_t SpareKeycodeOf(std::uint8_t virtualKey) const;

    WaylandSession& session_;
    wl_proxy* keyboard_ = nullptr;
    std::optional<TypingKeymap> keymap_;
    xkb_state* state_ = nullptr;  // of the uploaded keymap: the modifiers to report
    bool uploadDue_ = false;      // a spare key has a new character
    std::array<std::uint8_t, 18> spareKeycodes_{};  // per unassigned virtual key
    linux_x11::KeyInjector injector_;
};

}  // namespace pultara::linux_wayland
