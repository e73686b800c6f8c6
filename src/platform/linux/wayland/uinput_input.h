#pragma once
#include <optional>

#include "platform/linux/key_injector.h"
#include "platform/linux/wayland/pointer_count.h"
#include "platform/linux/wayland/typing_keymap.h"
#include "platform/linux/wayland/uinput_device.h"
#include "ports/keyboard.h"
#include "ports/mouse.h"

namespace pultara::linux_wayland {

// Keys through a kernel input device. The compositor reads them with the
// session's own layout, so characters are looked up in that layout (the
// compositor's keymap, through xkbcommon); a character the layout lacks
// cannot be typed.
class UinputKeyboard : public Keyboard, private linux_x11::KeycodeSink {
public:
    UinputKeyboard(InputEventWriter& writer, TypingKeymap layout);
    ~UinputKeyboard() override;
    UinputKeyboard(const UinputKeyboard&) = delete;
    UinputKeyboard& operator=(const UinputKeyboard&) = delete;

    void SendKeyEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) override;
    std::uint16_t KeyCodeForCharacter(char32_t character) override;
    std::uint32_t ScanCodeForVirtualKey(std::uint8_t virtualKey) override;
    void PumpKeyboardMessages() override {}
    void ReleaseAllKeys() { injector_.ReleaseAll(); }

private:
    void SendKeycode(std::uint8_t keycode, bool down) override;
    bool TypesAltGrCharacter(std::uint8_t keycode, bool shifted) override;
    std::uint8_t AltGrKeycode() override;

    InputEventWriter& writer_;
    TypingKeymap layout_;
    linux_x11::KeyInjector injector_;
};

// The pointer as relative moves of a kernel input device, from the
// program's own count of the position.
class UinputMouse : public Mouse {
public:
    UinputMouse(InputEventWriter& writer, DesktopExtent extent) : writer_(writer), count_(extent) {}
    ~UinputMouse() override;
    UinputMouse(const UinputMouse&) = delete;
    UinputMouse& operator=(const UinputMouse&) = delete;

    void SendButtonEvent(std::uint32_t flags) override;
    bool GetCursorPos(PointerPosition& position) override;
    void SetCursorPos(PointerPosition position) override;

private:
    InputEventWriter& writer_;
    PointerCount count_;
    unsigned heldButtons_ = 0;  // bit per button, counted from the left button
};

}  // namespace pultara::linux_wayland
